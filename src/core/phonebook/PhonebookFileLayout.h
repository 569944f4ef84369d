#pragma once

#include <cstddef>

// A phone-book file ("opbk"): a 1036-byte header, then one 45-byte record per entry in the
// layout the handset sends them. Header:
//   [0..3] always 0   [4..7] identity, 32-bit part   [8..9] identity, 16-bit part
//   [10..11] entry count   [12..1035] reserved, written as zero, not read
namespace opbk {
inline constexpr std::size_t kMagic = 0;
inline constexpr std::size_t kIdentity = 4;
inline constexpr std::size_t kCount = 10;
inline constexpr std::size_t kHeaderSize = 1036;
inline constexpr std::size_t kRecordSize = 45;
}  // namespace opbk
