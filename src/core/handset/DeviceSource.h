#pragma once

#include "core/handset/HandsetDevice.h"
#include "core/handset/ReportCaps.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct DeviceCandidate {
    std::string path;
    // Known without opening the device, where the system tells (udev does for hidraw).
    std::optional<std::uint16_t> vendorId;
    std::optional<std::uint16_t> productId;
};

enum class OpenMode {
    // Read-only, to learn the ids and report lengths; nothing stays open.
    Query,
    // Read and write, for an exchange.
    Exchange,
};

struct OpenResult {
    bool ok = false;
    ReportCaps caps;
    std::unique_ptr<HandsetDevice> device;  // Exchange mode only
    std::string error;                      // why it could not be opened
    int errorCode = 0;                      // the errno value of a refusal by the system, else 0
};

// One kind of place where handsets appear: hidraw nodes, or simulated handsets' sockets.
class DeviceSource {
public:
    virtual ~DeviceSource() = default;
    virtual std::vector<DeviceCandidate> Candidates() = 0;
    virtual OpenResult Open(const std::string& path, OpenMode mode) = 0;
};
