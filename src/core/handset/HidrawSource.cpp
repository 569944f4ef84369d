#include "core/handset/HidrawSource.h"

#include "core/common/ErrorText.h"

#include "core/handset/ReportDescriptorLengths.h"

#include <QCoreApplication>
#include <fcntl.h>
#include <libudev.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct UdevDeleter {
    void operator()(udev* u) const { udev_unref(u); }
    void operator()(udev_enumerate* e) const { udev_enumerate_unref(e); }
    void operator()(udev_device* d) const { udev_device_unref(d); }
};
template <typename T>
using UdevPtr = std::unique_ptr<T, UdevDeleter>;

// HID_ID of the parent hid device reads "bus:vendor:product" in hex, e.g. "0003:00003E5A:000018F8".
void ParseHidId(const char* hidId, DeviceCandidate& c)
{
    unsigned bus = 0, vendor = 0, product = 0;
    if (hidId && std::sscanf(hidId, "%x:%x:%x", &bus, &vendor, &product) == 3) {
        c.vendorId = static_cast<std::uint16_t>(vendor);
        c.productId = static_cast<std::uint16_t>(product);
    }
}

std::string OpenErrorText(int err)
{
    // The fix depends on how the program was installed; whoever lists the device names it.
    if (err == EACCES || err == EPERM)
        return QCoreApplication::translate("HidrawSource", "permission denied").toStdString();
    return ErrorText(err);
}

}  // namespace

std::vector<DeviceCandidate> HidrawSource::Candidates()
{
    std::vector<DeviceCandidate> out;
    UdevPtr<udev> u(udev_new());
    if (!u)
        return out;
    UdevPtr<udev_enumerate> e(udev_enumerate_new(u.get()));
    if (!e || udev_enumerate_add_match_subsystem(e.get(), "hidraw") < 0 || udev_enumerate_scan_devices(e.get()) < 0)
        return out;
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(e.get()))
    {
        UdevPtr<udev_device> dev(udev_device_new_from_syspath(u.get(), udev_list_entry_get_name(entry)));
        if (!dev)
            continue;
        const char* node = udev_device_get_devnode(dev.get());
        if (!node)
            continue;
        DeviceCandidate c;
        c.path = node;
        // The parent belongs to the child; it must not be unreferenced here.
        if (udev_device* hid = udev_device_get_parent_with_subsystem_devtype(dev.get(), "hid", nullptr))
            ParseHidId(udev_device_get_property_value(hid, "HID_ID"), c);
        out.push_back(std::move(c));
    }
    return out;
}

OpenResult HidrawSource::Open(const std::string& path, OpenMode mode)
{
    OpenResult r;
    const int flags = (mode == OpenMode::Exchange ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC;
    UniqueFd fd(::open(path.c_str(), flags));
    if (!fd.IsValid()) {
        r.errorCode = errno;
        r.error = OpenErrorText(r.errorCode);
        return r;
    }
    // A scan opens for reading only, but an exchange must write too: a node this user may read
    // and not write is one the program cannot use, and must not be taken for a handset.
    if (mode == OpenMode::Query && ::access(path.c_str(), W_OK) != 0 && (errno == EACCES || errno == EPERM)) {
        r.errorCode = errno;
        r.error = OpenErrorText(errno);
        return r;
    }
    hidraw_devinfo info{};
    if (::ioctl(fd.Get(), HIDIOCGRAWINFO, &info) < 0) {
        r.errorCode = errno;
        r.error = std::string("HIDIOCGRAWINFO: ") + ErrorText(r.errorCode);
        return r;
    }
    r.caps.vendorId = static_cast<std::uint16_t>(info.vendor);
    r.caps.productId = static_cast<std::uint16_t>(info.product);

    int size = 0;
    hidraw_report_descriptor desc{};
    const bool sizeRead = ::ioctl(fd.Get(), HIDIOCGRDESCSIZE, &size) >= 0;
    if (!sizeRead || size < 0 || size > HID_MAX_DESCRIPTOR_SIZE) {
        r.errorCode = sizeRead ? EINVAL : errno;
        r.error = std::string("HIDIOCGRDESCSIZE: ") + ErrorText(r.errorCode);
        return r;
    }
    desc.size = static_cast<__u32>(size);
    if (::ioctl(fd.Get(), HIDIOCGRDESC, &desc) < 0) {
        r.errorCode = errno;
        r.error = std::string("HIDIOCGRDESC: ") + ErrorText(r.errorCode);
        return r;
    }
    const auto lengths = ReportDescriptorLengths::Parse(std::span<const std::uint8_t>(desc.value, desc.size));
    r.caps.inLen = lengths.inLen;
    r.caps.outLen = lengths.outLen;
    r.ok = true;
    if (mode == OpenMode::Exchange)
        r.device = std::make_unique<HandsetDevice>(std::move(fd), r.caps, path, HandsetDevice::Kind::Hidraw);
    return r;
}
