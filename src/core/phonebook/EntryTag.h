#pragma once

#include "core/common/ByteOrder.h"

#include <cstdint>
#include <span>

// Four bytes the handset supplies with each phone-book record: byte A, byte B, word (LE).
struct EntryTag {
    std::uint8_t byteA = 0;
    std::uint8_t byteB = 0;
    std::uint16_t word = 0;

    friend auto operator<=>(const EntryTag&, const EntryTag&) = default;
};

// An entry tag as records and files store it: [0] byte A   [1] byte B   [2..3] word (LE).
inline EntryTag ReadEntryTag(std::span<const std::uint8_t> b, std::size_t at)
{
    return {b[at], b[at + 1], GetLe16(b, at + 2)};
}

inline void WriteEntryTag(std::span<std::uint8_t> b, std::size_t at, const EntryTag& t)
{
    b[at] = t.byteA;
    b[at + 1] = t.byteB;
    PutLe16(b, at + 2, t.word);
}
