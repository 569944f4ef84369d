#pragma once

#include <cstdint>

// Four bytes the handset supplies with each phone-book record: byte A, byte B, word (LE).
struct EntryTag {
    std::uint8_t byteA = 0;
    std::uint8_t byteB = 0;
    std::uint16_t word = 0;

    friend bool operator==(const EntryTag&, const EntryTag&) = default;
};
