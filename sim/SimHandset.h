#pragma once

#include "sim/SimConfig.h"
#include "sim/SimPictureStore.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <tuple>
#include <vector>

// One command as the simulated handset saw it, for tests to inspect.
struct SimCommandLog {
    std::uint8_t op = 0;
    std::uint8_t function = 0;
    std::array<std::uint8_t, 8> parameters{};
    // For writes: the data received, once complete.
    std::vector<std::uint8_t> data;
    bool completed = false;
};

using SimPhonebookRecord = std::array<std::uint8_t, 45>;

// The handset's memory and behaviour, shared by all its connections. Thread-safe.
class SimHandset {
public:
    explicit SimHandset(SimConfig config);

    SimConfig Config() const;
    void SetFaults(const SimFaults& faults);
    SimFaults Faults() const;

    // Starts from a phone-book file (the "opbk" format), taking its identity too unless
    // `keepIdentity`. False, with a reason, when unreadable.
    bool LoadPhonebook(const std::string& path, std::string* error, bool keepIdentity = false);
    std::vector<SimPhonebookRecord> Phonebook() const;
    // Adds a contact as the handset would store it (8-bit name, dial string).
    void AddContact(const std::string& name, const std::string& number);
    std::string Name() const;
    std::array<std::uint8_t, 6> Identity() const;
    std::size_t PictureCount() const;

    // Answer this read or control command, for this class and index, with these bytes instead
    // (tests use it for answers of any size, right or wrong).
    void SetReadData(std::uint8_t function, std::uint8_t dataClass, std::uint8_t index, std::vector<std::uint8_t> data);
    // Answer every write with these reply bytes instead of the record tag (nullopt: the tag).
    void SetWriteReply(std::optional<std::vector<std::uint8_t>> reply);

    std::vector<SimCommandLog> Commands() const;
    // Data reports the handset has taken off the bus, wanted or not, since it started.
    int DataReportsTaken() const { return m_dataReportsTaken; }
    void NoteDataReportTaken() { ++m_dataReportsTaken; }
    void ClearCommands();

    // The session's side, one command at a time.
    // The data a read or control command answers with, or the refusal code.
    struct Answer {
        std::uint8_t refusal = 0;
        std::vector<std::uint8_t> data;
    };
    Answer Read(std::uint8_t function, std::span<const std::uint8_t> parameters);
    // Accepts or refuses a write before its data comes; the tag goes back in the reply.
    Answer BeginWrite(std::uint8_t function, std::span<const std::uint8_t> parameters);
    void CommitWrite(std::uint8_t function, std::span<const std::uint8_t> parameters,
                     std::span<const std::uint8_t> data);
    std::size_t Log(std::uint8_t op, std::uint8_t function, std::span<const std::uint8_t> parameters);
    void CompleteLog(std::size_t index, std::span<const std::uint8_t> data);

private:
    mutable std::mutex m_mutex;
    SimConfig m_config;
    std::vector<SimPhonebookRecord> m_phonebook;
    SimPictureStore m_pictures;
    std::map<std::tuple<std::uint8_t, std::uint8_t, std::uint8_t>, std::vector<std::uint8_t>> m_readData;
    std::optional<std::vector<std::uint8_t>> m_writeReply;
    std::vector<SimCommandLog> m_log;
    std::atomic<int> m_dataReportsTaken{0};
};
