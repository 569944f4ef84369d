#include "sim/SimHandsetServer.h"

#include "sim/SimSession.h"

#include "core/common/ErrorText.h"
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
#include <ctime>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/uio.h>

SimHandsetServer::SimHandsetServer(SimHandset& handset, std::string folder, std::string socketName)
    : m_handset(handset),
      m_folder(std::move(folder)),
      m_socketPath(m_folder + "/" + socketName + ".sock"),
      m_bus(handset.Config().bus, handset.Config().pace)
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
        *error = m_socketPath + ": " + ErrorText(errno);
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
    std::map<std::uint64_t, std::thread> threads;
    {
        std::lock_guard lock(m_mutex);
        threads.swap(m_threads);
        m_finished.clear();
    }
    for (auto& [turn, thread] : threads)
        thread.join();
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

namespace {

// Reads the next report without taking it off the socket, and when the program sent it: the
// kernel stamps each packet as it is sent, on the system clock.
ssize_t PeekReport(int fd, std::span<std::uint8_t> buffer, SimBusClock::Clock::time_point* sentAt)
{
    iovec io{buffer.data(), buffer.size()};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(timespec))] = {};
    msghdr msg{};
    msg.msg_iov = &io;
    msg.msg_iovlen = 1;
    msg.msg_control = control;
    msg.msg_controllen = sizeof control;
    const ssize_t n = ::recvmsg(fd, &msg, MSG_PEEK | MSG_DONTWAIT);
    const auto now = SimBusClock::Clock::now();
    *sentAt = now;
    if (n <= 0)
        return n;
    for (cmsghdr* c = CMSG_FIRSTHDR(&msg); c; c = CMSG_NXTHDR(&msg, c)) {
        if (c->cmsg_level != SOL_SOCKET || c->cmsg_type != SCM_TIMESTAMPNS)
            continue;
        timespec stamp{};
        std::memcpy(&stamp, CMSG_DATA(c), sizeof stamp);
        const auto sent = std::chrono::system_clock::time_point(std::chrono::duration_cast<std::chrono::system_clock::duration>(
            std::chrono::seconds(stamp.tv_sec) + std::chrono::nanoseconds(stamp.tv_nsec)));
        const auto age = std::chrono::system_clock::now() - sent;
        // A clock that was set meanwhile could make it look sent in the future.
        if (age > std::chrono::system_clock::duration::zero())
            *sentAt = now - std::chrono::duration_cast<SimBusClock::Clock::duration>(age);
    }
    return n;
}

}  // namespace

bool SimHandsetServer::SendHello(int fd)
{
    // Stamps on what the program sends, before it can send anything.
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_TIMESTAMPNS, &on, sizeof on);
    const SimConfig config = m_handset.Config();
    std::array<std::uint8_t, hello::kSize> greeting{};
    std::copy(hello::kMagic.begin(), hello::kMagic.end(), greeting.begin());
    PutLe16(greeting, hello::kVendor, config.vendorId);
    PutLe16(greeting, hello::kProduct, config.productId);
    PutLe16(greeting, hello::kInLen, static_cast<std::uint16_t>(config.inLen));
    PutLe16(greeting, hello::kOutLen, static_cast<std::uint16_t>(config.outLen));
    return ::send(fd, greeting.data(), greeting.size(), MSG_NOSIGNAL | MSG_DONTWAIT) ==
           static_cast<ssize_t>(greeting.size());
}

void SimHandsetServer::ReapFinished()
{
    std::vector<std::thread> done;
    {
        std::lock_guard lock(m_mutex);
        for (std::uint64_t turn : m_finished) {
            if (auto it = m_threads.find(turn); it != m_threads.end()) {
                done.push_back(std::move(it->second));
                m_threads.erase(it);
            }
        }
        m_finished.clear();
    }
    for (std::thread& t : done)
        t.join();
}

std::uint64_t SimHandsetServer::Connections() const
{
    std::lock_guard lock(m_mutex);
    return m_nextTurn;
}

std::size_t SimHandsetServer::ThreadCount() const
{
    std::lock_guard lock(m_mutex);
    return m_threads.size();
}

void SimHandsetServer::AcceptLoop()
{
    // Out of descriptors or memory: the pending connection stays queued, so accepting again at
    // once would spin. Wait a little for connections to close.
    constexpr int kBackOffMs = 100;
    for (;;) {
        pollfd fds[2] = {{m_listen.Get(), POLLIN, 0}, {m_stop.Fd(), POLLIN, 0}};
        if (PollRetry(fds, 2, -1) < 0 || (fds[1].revents & POLLIN))
            return;
        const int fd = ::accept4(m_listen.Get(), nullptr, nullptr, SOCK_CLOEXEC);
        // The hello goes out at once, not after a thread has started: scans and exchanges
        // wait for it.
        if (fd >= 0 && !SendHello(fd)) {
            ::close(fd);
            continue;
        }
        if (fd < 0) {
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
                if (m_stop.Wait(kBackOffMs))
                    return;
            }
            continue;
        }
        std::unique_lock lock(m_mutex);
        if (m_stop.IsSet()) {
            ::close(fd);
            return;
        }
        try {
            m_threads.emplace(m_nextTurn, std::thread(&SimHandsetServer::Serve, this, fd, m_nextTurn));
        } catch (const std::system_error&) {
            ::close(fd);  // no thread to serve it: the host sees the handset hang up
            continue;
        }
        m_connections.push_back(fd);
        m_openTurns.insert(m_nextTurn++);
        lock.unlock();
        // Joining ended connections' threads may wait a moment: not before the hello.
        ReapFinished();
    }
}

bool SimHandsetServer::SleepUntil(SimBusClock::Clock::time_point when)
{
    // A sleeping thread wakes up to a tenth of a millisecond late here and there; sleep until
    // shortly before the time and give way to other threads for the rest.
    constexpr auto kSpin = std::chrono::microseconds(200);
    for (;;) {
        const auto left = when - SimBusClock::Clock::now();
        if (left <= SimBusClock::Clock::duration::zero())
            return !m_stop.IsSet();
        if (left <= kSpin) {
            std::this_thread::yield();
            continue;
        }
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left - kSpin).count();
        const timespec wait{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
        pollfd stop{m_stop.Fd(), POLLIN, 0};
        const int rc = ::ppoll(&stop, 1, &wait, nullptr);
        if (rc > 0 || (rc < 0 && errno != EINTR))
            return false;
    }
}

void SimHandsetServer::Serve(int fd, std::uint64_t turn)
{
    bool unplug = false;
    Converse(fd, turn, &unplug);
    // Unplugged, the handset is gone before the program can see this connection end: an
    // exchange it starts next must not find the socket.
    if (unplug && !m_unplugged.exchange(true)) {
        Unplug();
        if (m_onUnplugged)
            m_onUnplugged();
    }
    {
        std::lock_guard lock(m_mutex);
        m_connections.erase(std::remove(m_connections.begin(), m_connections.end(), fd), m_connections.end());
        ::close(fd);
        m_finished.push_back(turn);
    }
    EndTurn(turn);
}

void SimHandsetServer::Converse(int fd, std::uint64_t turn, bool* unplug)
{
    using Clock = SimBusClock::Clock;
    using Direction = SimBusClock::Direction;
    // Timers may fire this late (the default is 50 us); reports are timed to well under that.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    SimSession session(m_handset);
    std::array<std::uint8_t, kMaxReportLength + 1> buffer{};
    bool myTurn = false;
    for (;;) {
        // A report is looked at where it lies and taken off the socket only once the handset
        // has dealt with it: the program can then wait for its last report to be taken, as a
        // hidraw write waits for the report to be on the wire.
        Clock::time_point sentAt{};
        ssize_t n = myTurn ? PeekReport(fd, buffer, &sentAt) : -1;
        if (n < 0) {
            if (myTurn && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
                return;
            pollfd fds[2] = {{fd, POLLIN, 0}, {m_stop.Fd(), POLLIN, 0}};
            if (PollRetry(fds, 2, -1) < 0 || (fds[1].revents & POLLIN))
                return;
            // A scan closes right after the hello: no need to wait for a turn to see that.
            std::uint8_t peek = 0;
            if (::recv(fd, &peek, 1, MSG_PEEK | MSG_DONTWAIT) == 0)
                return;
            if (!myTurn && !(myTurn = WaitForTurn(turn)))
                return;
            do {
                n = PeekReport(fd, buffer, &sentAt);
            } while (n < 0 && errno == EINTR);
        }
        if (n <= 0)
            return;  // the host closed the connection
        // The report starts to cross when the program sent it, or once the bus is free.
        if (!m_bus.Instant() && !SleepUntil(m_bus.Cross(Direction::ToHandset, sentAt, static_cast<std::size_t>(n))))
            return;
        const SimOutput out = session.OnReport(std::span(buffer).first(static_cast<std::size_t>(n)));
        std::uint8_t discard = 0;
        while (::recv(fd, &discard, 1, MSG_DONTWAIT) < 0 && errno == EINTR) {
        }
        for (const auto& report : out.reports) {
            if (!m_bus.Instant()) {
                if (!SleepUntil(m_bus.Cross(Direction::ToHost, m_bus.FreeAt(Direction::ToHandset), report.size())))
                    return;
            }
            if (::send(fd, report.data(), report.size(), MSG_NOSIGNAL) < 0)
                break;
        }
        if (out.action == SimAction::Disconnect) {
            *unplug = true;
            return;
        }
        if (out.action == SimAction::Stall) {
            // Neither read nor answer any more; wait for the host to give up, or for the end.
            pollfd fds[2] = {{fd, 0, 0}, {m_stop.Fd(), POLLIN, 0}};
            PollRetry(fds, 2, -1);
            return;
        }
    }
}
