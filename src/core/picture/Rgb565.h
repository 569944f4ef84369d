#pragma once

#include <QRgb>

#include <cstdint>
#include <span>

class ImageHandle;

// A pixel in the handset's 16 bits: the top 5, 6 and 5 bits of red, green and blue. Alpha is ignored.
constexpr std::uint16_t ToRgb565(QRgb pixel)
{
    return static_cast<std::uint16_t>(((qRed(pixel) & 0xF8) << 8) | ((qGreen(pixel) & 0xFC) << 3) | (qBlue(pixel) >> 3));
}

// Writes the picture as 16-bit words, low byte first, rows from the top, into `bytes`
// (2 x width x height). Returns 0, or non-zero (and records it) for a picture without rows or
// columns or a buffer too small.
int ConvertToRgb565(ImageHandle& picture, std::span<std::uint8_t> bytes);
