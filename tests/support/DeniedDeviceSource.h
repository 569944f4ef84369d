#pragma once

#include "core/handset/DeviceSource.h"
#include "core/handset/HandsetIds.h"
#include "core/handset/HandsetLink.h"

#include <atomic>
#include <cerrno>

// A handset that the system lists with its ids but that this user may not open, as on a
// computer without the udev rule. Tests run as root, so only a source of their own can refuse.
// It stands in front of the built-in sources while it lives; it must outlive every scan that may
// use it, so make it before a window or HandsetLink that watches.
class DeniedDeviceSource final : public DeviceSource {
public:
    static constexpr const char* kPath = "/dev/hidraw-denied";

    explicit DeniedDeviceSource(std::uint16_t productId = kProductId6392) : m_productId(productId)
    {
        HandsetLink::SetTestSource(this);
    }
    ~DeniedDeviceSource() override { HandsetLink::SetTestSource(nullptr); }
    DeniedDeviceSource(const DeniedDeviceSource&) = delete;
    DeniedDeviceSource& operator=(const DeniedDeviceSource&) = delete;

    // The handset is taken away; the next scan no longer lists it.
    void Unplug() { m_present = false; }

    std::vector<DeviceCandidate> Candidates() override
    {
        if (!m_present)
            return {};
        return {{kPath, HANDSET_VENDOR_ID, m_productId}};
    }
    OpenResult Open(const std::string&, OpenMode) override
    {
        OpenResult r;
        r.errorCode = EACCES;
        r.error = "permission denied";
        return r;
    }

private:
    const std::uint16_t m_productId;
    std::atomic<bool> m_present{true};
};
