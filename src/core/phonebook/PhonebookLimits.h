#pragma once

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t MAX_PHONEBOOK_ENTRIES = 100;
inline constexpr std::size_t MAX_NAME_LENGTH = 16;
inline constexpr std::size_t MAX_NUMBER_LENGTH = 32;

// A name or number as an entry keeps it (Windows-1252 bytes, one per character): what the
// handset has no room for is cut off. Every way into a book goes through these.
inline std::string FitName(std::string_view name)
{
    return std::string(name.substr(0, MAX_NAME_LENGTH));
}

inline std::string FitNumber(std::string_view number)
{
    return std::string(number.substr(0, MAX_NUMBER_LENGTH));
}
