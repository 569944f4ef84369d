#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// A dial string as the handset and the phone-book files store it: a count byte, then 16 bytes
// holding up to 32 four-bit codes, the first code in the high nibble.
//   0-9 digits   10 '*'   11 '#'   13 'F'   14 'P'   12, 15 nothing
struct PackedNumber {
    static constexpr std::size_t kCodeBytes = 16;
    static constexpr std::size_t kMaxDigits = 32;

    std::uint8_t count = 0;
    std::array<std::uint8_t, kCodeBytes> codes{};

    // Characters without a code are skipped; at most 32 codes are kept.
    static PackedNumber Pack(std::string_view number);
    // At most min(count, 32) characters.
    std::string Unpack() const;
};
