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

    // readable: this user may open it for reading (a scan succeeds), but not for writing.
    explicit DeniedDeviceSource(std::uint16_t productId = kProductId6392, bool readable = false)
        : m_productId(productId), m_readable(readable)
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
    OpenResult Open(const std::string&, OpenMode mode) override
    {
        OpenResult r;
        if (m_readable && mode == OpenMode::Query) {
            r.ok = true;
            r.caps = {HANDSET_VENDOR_ID, m_productId, 64, 64};
            return r;
        }
        r.errorCode = EACCES;
        r.error = "permission denied";
        return r;
    }

private:
    const std::uint16_t m_productId;
    const bool m_readable;
    std::atomic<bool> m_present{true};
};
