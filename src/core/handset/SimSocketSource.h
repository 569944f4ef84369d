#pragma once

#include "core/handset/DeviceSource.h"

// Simulated handsets: listening SOCK_SEQPACKET sockets named *.sock in the handset folder.
class SimSocketSource final : public DeviceSource {
public:
    std::vector<DeviceCandidate> Candidates() override;
    OpenResult Open(const std::string& path, OpenMode mode) override;
};
