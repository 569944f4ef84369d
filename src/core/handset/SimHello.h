#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The greeting a simulated handset sends right after a connection is accepted:
//   [0..7] "ORVKHID1"   [8..9] vendor id   [10..11] product id
//   [12..13] input report length   [14..15] output report length   (all little-endian)
namespace hello {
inline constexpr std::string_view kMagic = "ORVKHID1";
inline constexpr std::size_t kVendor = 8;
inline constexpr std::size_t kProduct = 10;
inline constexpr std::size_t kInLen = 12;
inline constexpr std::size_t kOutLen = 14;
inline constexpr std::size_t kSize = 16;
}  // namespace hello
