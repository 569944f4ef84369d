#pragma once

#include "core/handset/HandsetIds.h"

#include <array>
#include <cstdint>
#include <string>

// Faults the simulated handset can be told to commit. Each stays in force until changed.
struct SimFaults {
    // Refuse every command in the reply with this code (0: accept).
    int refuseCode = 0;
    // Swallow commands without a reply.
    bool noReply = false;
    // Stop sending and taking reports after this many data reports of an exchange (-1: never).
    int stallAfter = -1;
    // During a download, send a report of its own after this many data reports (-1: never).
    int unsolicitedAfter = -1;
    std::uint8_t unsolicitedCode = 7;
    // Vanish (close the connection and the socket) after this many reports of a connection,
    // counting both directions (-1: never).
    int disconnectAfter = -1;
};

// How fast reports cross between the program and the handset.
enum class SimBus {
    // USB full speed: a report of n bytes takes ceil(n / 64) ms, one at a time in each direction.
    FullSpeed,
    // As fast as the sockets move them.
    None,
};

struct SimConfig {
    // Windows-1252, as the handset stores it.
    std::string name = "Orvak Handset";
    std::array<std::uint8_t, 6> identity{0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};
    std::uint16_t vendorId = HANDSET_VENDOR_ID;
    std::uint16_t productId = kProductId6392;
    int inLen = 64;
    int outLen = 64;
    SimBus bus = SimBus::FullSpeed;
    // Reports per second in either direction, whatever their length; 0 leaves it to `bus`.
    int pace = 0;
    std::string phonebookFile;
    // Where received pictures are also saved as PNG files (empty: not saved).
    std::string pictureFolder;
    int pictureCapacity = 32;
    SimFaults faults;
};
