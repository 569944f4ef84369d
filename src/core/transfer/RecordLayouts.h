#pragma once

#include <cstddef>

// Phone-book record as the handset sends it (and as phone-book files store it), 45 bytes:
//   [0] tag byte A  [1] tag byte B  [2..3] tag word  [4..19] name  [20] digit count
//   [21..36] packed digits  [37..40] choice 1 (A, B, word)  [41..44] choice 2 (A, B, word)
namespace readrecord {
inline constexpr std::size_t kHeaderTag = 0;
inline constexpr std::size_t kName = 4;
inline constexpr std::size_t kDigitCount = 20;
inline constexpr std::size_t kDigits = 21;
inline constexpr std::size_t kChoice1 = 37;
inline constexpr std::size_t kChoice2 = 41;
inline constexpr std::size_t kSize = 45;
}  // namespace readrecord

// Phone-book record as the host sends it: the same without the header tag, 41 bytes:
//   [0..15] name  [16] digit count  [17..32] packed digits  [33..36] choice 1  [37..40] choice 2
namespace wirerecord {
inline constexpr std::size_t kName = 0;
inline constexpr std::size_t kDigitCount = 16;
inline constexpr std::size_t kDigits = 17;
inline constexpr std::size_t kChoice1 = 33;
inline constexpr std::size_t kChoice2 = 37;
inline constexpr std::size_t kSize = 41;
}  // namespace wirerecord

// Handset information as the handset sends it, 26 bytes:
//   [0..3] unused  [4..19] name  [20..23] identity, 32-bit part  [24..25] identity, 16-bit part
namespace inforeply {
inline constexpr std::size_t kName = 4;
inline constexpr std::size_t kIdentity32 = 20;
inline constexpr std::size_t kIdentity16 = 24;
inline constexpr std::size_t kSize = 26;
}  // namespace inforeply

// Handset information as the host writes it, 22 bytes:
//   [0..15] name  [16..19] identity, 32-bit part  [20..21] identity, 16-bit part
namespace infowrite {
inline constexpr std::size_t kName = 0;
inline constexpr std::size_t kIdentity32 = 16;
inline constexpr std::size_t kIdentity16 = 20;
inline constexpr std::size_t kSize = 22;
}  // namespace infowrite

// Picture payload: [0] height  [1] width (each the low 8 bits)  [2..3] zero
//   [4..] RGB 5-6-5 words, little-endian, rows from the top
namespace picturepayload {
inline constexpr std::size_t kHeight = 0;
inline constexpr std::size_t kWidth = 1;
inline constexpr std::size_t kPixels = 4;
}  // namespace picturepayload

// Picture name record, 20 bytes: [0] class, [1] index, [2..3] word of the tag the picture data
// write returned   [4..19] picture name
namespace imagename {
inline constexpr std::size_t kTag = 0;
inline constexpr std::size_t kName = 4;
inline constexpr std::size_t kSize = 20;
}  // namespace imagename

// Every name field: 16 bytes, zero-padded, no terminator when full.
inline constexpr std::size_t kNameFieldSize = 16;
