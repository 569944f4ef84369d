#pragma once

#include "core/handset/DeviceSource.h"

// USB handsets, as the kernel's hidraw nodes listed by libudev.
class HidrawSource final : public DeviceSource {
public:
    std::vector<DeviceCandidate> Candidates() override;
    OpenResult Open(const std::string& path, OpenMode mode) override;
};
