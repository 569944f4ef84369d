#include "sim/SimHandsetServer.h"

#include "sim/SimSession.h"

#include "core/common/ByteOrder.h"
#include "core/common/PollRetry.h"
#include "core/handset/HandsetFolder.h"
#include "core/handset/ReportLayout.h"
#include "core/handset/SimHello.h"
#include "core/handset/SimSocketSource.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

SimHandsetServer::SimHandsetServer(SimHandset& handset, std::string folder, std::string socketName)
    : m_handset(handset), m_folder(std::move(folder)), m_socketPath(m_folder + "/" + socketName + ".sock")
{
}

SimHandsetServer::~SimHandsetServer()
{
    Stop();
}

namespace {

// Sockets left by simulators that were killed refuse every connection; nobody owns them any more.
void RemoveStaleSockets(const std::string& folder)
{
    SimSocketSource source;
    for (const DeviceCandidate& c : source.Candidates()) {
        if (c.path.rfind(folder + "/", 0) != 0)
            continue;
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        if (c.path.size() >= sizeof addr.sun_path)
            continue;
        std::memcpy(addr.sun_path, c.path.c_str(), c.path.size() + 1);
        UniqueFd fd(::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0));
        if (fd.IsValid() && ::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0 &&
            errno == ECONNREFUSED)
            ::unlink(c.path.c_str());
    }
}

}  // namespace

bool SimHandsetServer::Start(std::string* error)
{
    if (!HandsetFolder::Ensure(m_folder, error))
        return false;
    if (m_folder == HandsetFolder::Path())
        RemoveStaleSockets(m_folder);
    // Bound under a hidden name and renamed into place once listening, so that whoever watches
    // the folder never sees a socket that refuses connections.
    const std::string temp = m_folder + "/.tmp-" + std::to_string(::getpid()) + "-" +
                             std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ".sock";
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (std::max(temp.size(), m_socketPath.size()) >= sizeof addr.sun_path) {
        *error = "socket path too long: " + m_socketPath;
        return false;
    }
    std::memcpy(addr.sun_path, temp.c_str(), temp.size() + 1);
    m_listen.Reset(::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    ::unlink(temp.c_str());
    if (!m_listen.IsValid() || ::bind(m_listen.Get(), reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(m_listen.Get(), 16) != 0 || ::rename(temp.c_str(), m_socketPath.c_str()) != 0) {
        *error = m_socketPath + ": " + std::strerror(errno);
        ::unlink(temp.c_str());
        m_listen.Reset();
        return false;
    }
    m_started = true;
    m_acceptThread = std::thread(&SimHandsetServer::AcceptLoop, this);
    return true;
}

void SimHandsetServer::Stop()
{
    if (!m_started)
        return;
    Unplug();
    if (m_acceptThread.joinable())
        m_acceptThread.join();
    std::vector<std::thread> threads;
    {
        std::lock_guard lock(m_mutex);
        threads.swap(m_threads);
    }
    for (auto& t : threads)
        t.join();
    m_listen.Reset();
    m_started = false;
}

void SimHandsetServer::Unplug()
{
    std::lock_guard lock(m_mutex);
    if (m_stop.IsSet())
        return;
    ::unlink(m_socketPath.c_str());
    m_stop.Set();
    // Wakes every connection's thread; each closes its own descriptor.
    for (int fd : m_connections)
        ::shutdown(fd, SHUT_RDWR);
    m_turnEnded.notify_all();
}

// A real handset has one input queue. Every exchange here comes on a connection of its own,
// and the host closes it right after its last data report, which may still be unread. So a
// connection's reports wait until every earlier connection has closed: the handset then sees
// them in the order the host sent them. Scans send no reports and never wait.
bool SimHandsetServer::WaitForTurn(std::uint64_t turn)
{
    std::unique_lock lock(m_mutex);
    m_turnEnded.wait(lock, [&] { return m_stop.IsSet() || *m_openTurns.begin() == turn; });
    return !m_stop.IsSet();
}

bool SimHandsetServer::WaitIdle(int timeoutMs)
{
    std::unique_lock lock(m_mutex);
    return m_turnEnded.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return m_openTurns.empty(); });
}

void SimHandsetServer::EndTurn(std::uint64_t turn)
{
    {
        std::lock_guard lock(m_mutex);
        m_openTurns.erase(turn);
    }
    m_turnEnded.notify_all();
}

void SimHandsetServer::AcceptLoop()
{
    for (;;) {
        pollfd fds[2] = {{m_listen.Get(), POLLIN, 0}, {m_stop.Fd(), POLLIN, 0}};
        if (PollRetry(fds, 2, -1) < 0 || (fds[1].revents & POLLIN))
            return;
        const int fd = ::accept4(m_listen.Get(), nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        std::lock_guard lock(m_mutex);
        if (m_stop.IsSet()) {
            ::close(fd);
            return;
        }
        m_connections.push_back(fd);
        m_openTurns.insert(m_nextTurn);
        m_threads.emplace_back(&SimHandsetServer::Serve, this, fd, m_nextTurn++);
    }
}

bool SimHandsetServer::Pause(int pace)
{
    if (pace <= 0)
        return !m_stop.IsSet();
    return !m_stop.Wait(std::max(1, 1000 / pace));
}

void SimHandsetServer::Serve(int fd, std::uint64_t turn)
{
    const SimConfig config = m_handset.Config();
    std::array<std::uint8_t, hello::kSize> greeting{};
    std::copy(hello::kMagic.begin(), hello::kMagic.end(), greeting.begin());
    PutLe16(greeting, hello::kVendor, config.vendorId);
    PutLe16(greeting, hello::kProduct, config.productId);
    PutLe16(greeting, hello::kInLen, static_cast<std::uint16_t>(config.inLen));
    PutLe16(greeting, hello::kOutLen, static_cast<std::uint16_t>(config.outLen));

    SimSession session(m_handset);
    bool unplug = false;
    if (::send(fd, greeting.data(), greeting.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(greeting.size())) {
        std::array<std::uint8_t, kMaxReportLength + 1> buffer{};
        bool stalled = false;
        bool myTurn = false;
        while (!stalled && !unplug) {
            pollfd fds[2] = {{fd, POLLIN, 0}, {m_stop.Fd(), POLLIN, 0}};
            if (PollRetry(fds, 2, -1) < 0 || (fds[1].revents & POLLIN))
                break;
            if (!myTurn && !(myTurn = WaitForTurn(turn)))
                break;
            const ssize_t n = ::recv(fd, buffer.data(), buffer.size(), 0);
            if (n <= 0)
                break;  // the host closed the connection (a scan does so right after the hello)
            const SimOutput out = session.OnReport(std::span(buffer).first(static_cast<std::size_t>(n)));
            for (const auto& report : out.reports) {
                if (!Pause(config.pace) || ::send(fd, report.data(), report.size(), MSG_NOSIGNAL) < 0)
                    break;
            }
            stalled = out.action == SimAction::Stall;
            unplug = out.action == SimAction::Disconnect;
            if (!stalled && !unplug && n > 1 && buffer[0] == kDataReportId && !Pause(config.pace))
                break;
        }
        if (stalled) {
            // Neither read nor answer any more; wait for the host to give up, or for the end.
            pollfd fds[2] = {{fd, 0, 0}, {m_stop.Fd(), POLLIN, 0}};
            PollRetry(fds, 2, -1);
        }
    }
    {
        std::lock_guard lock(m_mutex);
        m_connections.erase(std::remove(m_connections.begin(), m_connections.end(), fd), m_connections.end());
        ::close(fd);
    }
    EndTurn(turn);
    if (unplug && !m_unplugged.exchange(true)) {
        Unplug();
        if (m_onUnplugged)
            m_onUnplugged();
    }
}
