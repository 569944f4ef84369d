#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

class Event;

// What an exchange engine needs to run one command: the command itself, the data going out
// or holders for what comes in, a way to advance the progress display, and the cancel event.
struct ExchangeRequest {
    std::uint8_t op = 0;
    std::uint8_t function = 0;
    std::span<const std::uint8_t> parameters;

    // Outbound exchanges: the data sent in data reports after the reply.
    std::span<const std::uint8_t> data;
    // Inbound exchanges: receives the data, exactly the count the handset announced.
    // Left empty when the exchange fails.
    std::vector<std::uint8_t>* received = nullptr;
    // Outbound exchanges: receives the reply data that came with the reply report.
    std::vector<std::uint8_t>* reply = nullptr;

    // Called on the exchange's thread after each data report; must be thread-safe and must
    // not block (the progress display posts itself a notice).
    std::function<void()> progressStep;
    // Also step once when the data comes inline in the reply: a record read that way would
    // otherwise move the progress display not at all.
    bool stepWhenInline = false;
    // Set by the user interface to stop the exchange; the engines only test it.
    const Event* cancel = nullptr;
};
