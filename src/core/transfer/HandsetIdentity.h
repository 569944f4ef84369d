#pragma once

#include "core/common/ByteOrder.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

// Which handset a phone book came from: a 32-bit and a 16-bit value, 6 bytes little-endian
// wherever stored. All zero for a phone book made on the computer.
struct HandsetIdentity {
    std::uint32_t part32 = 0;
    std::uint16_t part16 = 0;

    static constexpr std::size_t kSize = 6;

    static HandsetIdentity FromBytes(std::span<const std::uint8_t> b)
    {
        return {GetLe32(b, 0), GetLe16(b, 4)};
    }
    void ToBytes(std::span<std::uint8_t> b) const
    {
        PutLe32(b, 0, part32);
        PutLe16(b, 4, part16);
    }
    // The six bytes in stored order as 12 hex digits, e.g. "78563412bc9a".
    std::string ToHex() const
    {
        std::array<std::uint8_t, kSize> b{};
        ToBytes(b);
        static constexpr char kDigits[] = "0123456789abcdef";
        std::string out;
        for (std::uint8_t v : b) {
            out += kDigits[v >> 4];
            out += kDigits[v & 15];
        }
        return out;
    }

    friend bool operator==(const HandsetIdentity&, const HandsetIdentity&) = default;
};
