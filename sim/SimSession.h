#pragma once

#include "sim/SimHandset.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

enum class SimAction {
    Continue,
    // Stop sending and taking reports on this connection.
    Stall,
    // Vanish: the handset is unplugged.
    Disconnect,
};

struct SimOutput {
    std::vector<std::vector<std::uint8_t>> reports;
    SimAction action = SimAction::Continue;
};

// One connection's conversation with the host: reports in, reports out. No I/O here, so the
// handset's protocol side can be tested and driven without sockets.
class SimSession {
public:
    explicit SimSession(SimHandset& handset);

    SimOutput OnReport(std::span<const std::uint8_t> report);

private:
    struct PendingWrite {
        std::uint8_t function = 0;
        std::array<std::uint8_t, 8> parameters{};
        std::uint32_t length = 0;
        std::vector<std::uint8_t> data;
        std::size_t logIndex = 0;
    };

    void OnCommand(std::span<const std::uint8_t> report, SimOutput& out);
    void OnData(std::span<const std::uint8_t> report, SimOutput& out);
    void Answer(const SimHandset::Answer& answer, bool isWrite, SimOutput& out);
    // Queues a report unless the disconnect fault says the handset is gone by now.
    bool Emit(std::vector<std::uint8_t> report, SimOutput& out);
    bool TakeBudget(SimOutput& out);
    void FinishWrite();

    SimHandset& m_handset;
    const int m_inLen;
    const int m_outLen;
    SimFaults m_faults;
    int m_reports = 0;
    int m_dataReports = 0;
    std::optional<PendingWrite> m_write;
};
