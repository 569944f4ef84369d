#include "core/handset/SimSocketSource.h"

#include "core/common/ErrorText.h"

#include "core/handset/HandsetFolder.h"
#include "core/handset/ReportLayout.h"
#include "core/handset/SimHello.h"
#include "core/handset/Timeouts.h"

#include "core/common/ByteOrder.h"
#include "core/common/PollRetry.h"

#include <QCoreApplication>
#include <dirent.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <thread>

namespace {

// Connects a non-blocking socket; 0 or the errno value. A listener whose queue is full makes a
// non-blocking connect fail with EAGAIN, so that is tried again until the deadline.
int Connect(int fd, const sockaddr_un& addr, const Deadline& deadline)
{
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0)
            return 0;
        const int err = errno;
        if (err == EINPROGRESS || err == EINTR) {
            // The connection goes on without us; wait for it to complete, then ask how it went.
            pollfd p{fd, POLLOUT, 0};
            if (PollUntil(&p, 1, deadline) <= 0)
                return ETIMEDOUT;
            int result = 0;
            socklen_t size = sizeof result;
            if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &result, &size) != 0)
                return errno;
            return result;
        }
        if (err != EAGAIN)
            return err;
        if (deadline.Expired())
            return ETIMEDOUT;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

}  // namespace

std::vector<DeviceCandidate> SimSocketSource::Candidates()
{
    std::vector<DeviceCandidate> out;
    const std::string folder = HandsetFolder::Path();
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return out;
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name.size() > 5 && name[0] != '.' && name.ends_with(".sock"))
            out.push_back({folder + "/" + name, std::nullopt, std::nullopt});
    }
    ::closedir(dir);
    // Directory order is arbitrary; a stable order makes "the first handset" mean something.
    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.path < b.path; });
    return out;
}

OpenResult SimSocketSource::Open(const std::string& path, OpenMode mode)
{
    OpenResult r;
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (path.size() >= sizeof addr.sun_path) {
        r.error = QCoreApplication::translate("SimSocketSource", "socket path too long").toStdString();
        return r;
    }
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);

    UniqueFd fd(::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!fd.IsValid()) {
        r.errorCode = errno;
        r.error = ErrorText(r.errorCode);
        return r;
    }
    const Deadline deadline(HandsetTimeouts().helloMs);
    if (const int err = Connect(fd.Get(), addr, deadline); err != 0) {
        r.errorCode = err;
        r.error = err == ECONNREFUSED
                      ? QCoreApplication::translate("SimSocketSource", "no handset answers (stale socket)").toStdString()
                      : ErrorText(err);
        return r;
    }

    std::array<std::uint8_t, hello::kSize + 1> buf{};
    ssize_t n = -1;
    for (;;) {
        pollfd p{fd.Get(), POLLIN, 0};
        if (PollUntil(&p, 1, deadline) <= 0) {
            r.error = QCoreApplication::translate("SimSocketSource", "no greeting from the handset").toStdString();
            return r;
        }
        n = ::recv(fd.Get(), buf.data(), buf.size(), 0);
        if (n >= 0 || (errno != EINTR && errno != EAGAIN))
            break;
    }
    if (n != static_cast<ssize_t>(hello::kSize) ||
        std::memcmp(buf.data(), hello::kMagic.data(), hello::kMagic.size()) != 0) {
        r.error = QCoreApplication::translate("SimSocketSource", "not a simulated handset").toStdString();
        return r;
    }
    r.caps.vendorId = GetLe16(buf, hello::kVendor);
    r.caps.productId = GetLe16(buf, hello::kProduct);
    r.caps.inLen = GetLe16(buf, hello::kInLen);
    r.caps.outLen = GetLe16(buf, hello::kOutLen);
    r.ok = true;
    if (mode == OpenMode::Exchange) {
        // On USB a write returns once its report is on the wire, so the program never runs far
        // ahead of the handset. Here the smallest send buffer the kernel allows keeps only a few
        // reports in flight; it still holds the largest report.
        const int sendBuffer = 1;
        ::setsockopt(fd.Get(), SOL_SOCKET, SO_SNDBUF, &sendBuffer, sizeof sendBuffer);
    }
    if (mode == OpenMode::Exchange)
        r.device = std::make_unique<HandsetDevice>(std::move(fd), r.caps, path, HandsetDevice::Kind::Socket);
    return r;
}
