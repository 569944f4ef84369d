#pragma once

#include "sim/SimBusClock.h"
#include "sim/SimHandset.h"

#include "core/common/Event.h"
#include "core/common/UniqueFd.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

// Puts a simulated handset on the wire: a listening SOCK_SEQPACKET socket in the handset
// folder. Each connection gets the hello and then one report per packet, as hidraw carries them,
// timed as the USB bus would move them.
class SimHandsetServer {
public:
    // `socketName` without ".sock"; the socket is <folder>/<socketName>.sock.
    SimHandsetServer(SimHandset& handset, std::string folder, std::string socketName);
    ~SimHandsetServer();
    SimHandsetServer(const SimHandsetServer&) = delete;
    SimHandsetServer& operator=(const SimHandsetServer&) = delete;

    bool Start(std::string* error);
    // Unplugs the handset: the socket goes and every connection is closed.
    void Stop();

    const std::string& SocketPath() const { return m_socketPath; }
    // Waits until every connection has been served to its end. The host awaits nothing after
    // its last data report, so this is how to know the handset has taken it in.
    bool WaitIdle(int timeoutMs);
    // True once the disconnect fault has unplugged the handset.
    bool Unplugged() const { return m_unplugged; }
    void SetOnUnplugged(std::function<void()> callback) { m_onUnplugged = std::move(callback); }
    // Connection threads that have not been joined yet.
    std::size_t ThreadCount() const;
    // Connections accepted since the start, scans included.
    std::uint64_t Connections() const;

private:
    void AcceptLoop();
    bool SendHello(int fd);
    void ReapFinished();
    void Serve(int fd, std::uint64_t turn);
    void Converse(int fd, std::uint64_t turn, bool* unplug);
    bool WaitForTurn(std::uint64_t turn);
    void EndTurn(std::uint64_t turn);
    void Unplug();
    // Sleeps until `when` on the steady clock; false when the server stops first.
    bool SleepUntil(SimBusClock::Clock::time_point when);

    SimHandset& m_handset;
    std::string m_folder;
    std::string m_socketPath;
    UniqueFd m_listen;
    Event m_stop{Event::Mode::ManualReset};
    std::atomic<bool> m_unplugged{false};
    std::function<void()> m_onUnplugged;
    mutable std::mutex m_mutex;
    std::vector<int> m_connections;
    // Connections in the order they were accepted, until each has closed.
    std::set<std::uint64_t> m_openTurns;
    std::uint64_t m_nextTurn = 0;
    std::condition_variable m_turnEnded;
    std::map<std::uint64_t, std::thread> m_threads;
    // Threads whose connection has ended, to be joined by the accept loop.
    std::vector<std::uint64_t> m_finished;
    // The bus is the handset's, not a connection's; only the connection whose turn it is uses it.
    SimBusClock m_bus;
    std::thread m_acceptThread;
    bool m_started = false;
};
