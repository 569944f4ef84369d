#include "core/handset/SimSocketSource.h"

#include "core/handset/HandsetFolder.h"
#include "core/handset/ReportLayout.h"
#include "core/handset/SimHello.h"
#include "core/handset/Timeouts.h"

#include "core/common/ByteOrder.h"
#include "core/common/PollRetry.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

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
        r.error = "socket path too long";
        return r;
    }
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);

    UniqueFd fd(::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0));
    if (!fd.IsValid()) {
        r.error = std::strerror(errno);
        return r;
    }
    int rc;
    do {
        rc = ::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&addr), sizeof addr);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        r.error = errno == ECONNREFUSED ? "no handset answers (stale socket)" : std::strerror(errno);
        return r;
    }
    ::fcntl(fd.Get(), F_SETFL, ::fcntl(fd.Get(), F_GETFL) | O_NONBLOCK);
    // A small send buffer makes writes wait for the handset to take reports, as they do on USB,
    // instead of piling hundreds of reports into the socket. It still holds one whole report.
    const int sendBuffer = 2 * static_cast<int>(kMaxReportLength);
    ::setsockopt(fd.Get(), SOL_SOCKET, SO_SNDBUF, &sendBuffer, sizeof sendBuffer);

    std::array<std::uint8_t, hello::kSize + 1> buf{};
    pollfd p{fd.Get(), POLLIN, 0};
    if (PollRetry(&p, 1, HandsetTimeouts().helloMs) <= 0) {
        r.error = "no greeting from the handset";
        return r;
    }
    const ssize_t n = ::recv(fd.Get(), buf.data(), buf.size(), 0);
    if (n != static_cast<ssize_t>(hello::kSize) ||
        std::memcmp(buf.data(), hello::kMagic.data(), hello::kMagic.size()) != 0) {
        r.error = "not a simulated handset";
        return r;
    }
    r.caps.vendorId = GetLe16(buf, hello::kVendor);
    r.caps.productId = GetLe16(buf, hello::kProduct);
    r.caps.inLen = GetLe16(buf, hello::kInLen);
    r.caps.outLen = GetLe16(buf, hello::kOutLen);
    r.ok = true;
    if (mode == OpenMode::Exchange)
        r.device = std::make_unique<HandsetDevice>(std::move(fd), r.caps, path, true);
    return r;
}
