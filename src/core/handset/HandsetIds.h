#pragma once

#include <cstdint>

inline constexpr std::uint16_t HANDSET_VENDOR_ID = 0x3E5A;

// The handset models. Only the last one enables the handset features of the pages.
inline constexpr std::uint16_t kProductId6217 = 0x1849;
inline constexpr std::uint16_t kProductId6354 = 0x18D2;
inline constexpr std::uint16_t kProductId6392 = 0x18F8;
