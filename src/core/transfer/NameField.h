#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>

// A fixed text field of a record: the bytes up to the first zero, at most the field's size.
inline std::string ReadNameField(std::span<const std::uint8_t> field)
{
    const auto end = std::find(field.begin(), field.end(), 0);
    return std::string(field.begin(), end);
}

// Writes the first field.size() bytes of `text`, zero-padding the rest.
inline void WriteNameField(std::span<std::uint8_t> field, const std::string& text)
{
    std::fill(field.begin(), field.end(), 0);
    std::copy_n(text.begin(), std::min(text.size(), field.size()), field.begin());
}
