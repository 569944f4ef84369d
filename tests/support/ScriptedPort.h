#pragma once

#include "core/handset/ReportPort.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <span>
#include <vector>

// A handset made of a script: reports that are waiting now, reports that arrive after the
// host's n-th write, and failures to inject. Records everything the engine did with it.
class ScriptedPort final : public ReportPort {
public:
    explicit ScriptedPort(ReportCaps caps) : m_caps(caps) {}

    // A report already waiting in the input queue.
    void QueueNow(std::vector<std::uint8_t> report);
    // A report that arrives once the host has finished `writes` writes.
    void QueueAfterWrite(int writes, std::vector<std::uint8_t> report);
    // From the given write on (counting from 1), writes end this way instead of succeeding.
    void FailWritesFrom(int write, IoStatus status);
    // Reads end this way instead of timing out once the queue is empty.
    void SetEmptyReadStatus(IoStatus status) { m_emptyRead = status; }
    // Called after each write is started, with its number (from 1).
    void OnWrite(std::function<void(int)> hook) { m_onWrite = std::move(hook); }
    void SetIoReady(bool ready) { m_ioReady = ready; }

    const std::vector<std::vector<std::uint8_t>>& Writes() const { return m_writes; }
    const std::vector<int>& ReadTimeouts() const { return m_readTimeouts; }
    const std::vector<int>& WriteTimeouts() const { return m_writeTimeouts; }

    ReportCaps Caps() const override { return m_caps; }
    bool IoReady() const override { return m_ioReady; }
    IoStatus Read(std::span<std::uint8_t> buffer, int timeoutMs, const Event* cancel) override;
    IoStatus StartWrite(std::span<const std::uint8_t> report) override;
    IoStatus FinishWrite(int timeoutMs, const Event* cancel) override;

private:
    void Release();

    ReportCaps m_caps;
    bool m_ioReady = true;
    std::deque<std::vector<std::uint8_t>> m_input;
    std::vector<std::pair<int, std::vector<std::uint8_t>>> m_later;
    int m_failFrom = 0;
    IoStatus m_failStatus = IoStatus::Ok;
    IoStatus m_emptyRead = IoStatus::TimedOut;
    std::function<void(int)> m_onWrite;
    std::vector<std::vector<std::uint8_t>> m_writes;
    std::vector<int> m_readTimeouts;
    std::vector<int> m_writeTimeouts;
};

// Reports as a handset would send them, InLen bytes each.
std::vector<std::uint8_t> ReplyReport(int inLen, std::uint8_t status, std::uint8_t formOrCode, std::uint32_t count,
                                      std::span<const std::uint8_t> data = {});
std::vector<std::uint8_t> DataReport(int inLen, std::span<const std::uint8_t> payload);
