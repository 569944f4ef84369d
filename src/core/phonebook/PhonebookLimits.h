#pragma once

#include <cstddef>

inline constexpr std::size_t MAX_PHONEBOOK_ENTRIES = 100;
inline constexpr std::size_t MAX_NAME_LENGTH = 16;
inline constexpr std::size_t MAX_NUMBER_LENGTH = 32;
