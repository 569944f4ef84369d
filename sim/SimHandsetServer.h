#pragma once

#include "sim/SimHandset.h"

#include "core/common/Event.h"
#include "core/common/UniqueFd.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <set>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Puts a simulated handset on the wire: a listening SOCK_SEQPACKET socket in the handset
// folder. Each connection gets the hello and then one report per packet, as hidraw carries them.
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

private:
    void AcceptLoop();
    void Serve(int fd, std::uint64_t turn);
    bool WaitForTurn(std::uint64_t turn);
    void EndTurn(std::uint64_t turn);
    void Unplug();
    bool Pause(int pace);

    SimHandset& m_handset;
    std::string m_folder;
    std::string m_socketPath;
    UniqueFd m_listen;
    Event m_stop{Event::Mode::ManualReset};
    std::atomic<bool> m_unplugged{false};
    std::function<void()> m_onUnplugged;
    std::mutex m_mutex;
    std::vector<int> m_connections;
    // Connections in the order they were accepted, until each has closed.
    std::set<std::uint64_t> m_openTurns;
    std::uint64_t m_nextTurn = 0;
    std::condition_variable m_turnEnded;
    std::vector<std::thread> m_threads;
    std::thread m_acceptThread;
    bool m_started = false;
};
