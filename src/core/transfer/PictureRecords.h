#pragma once

#include "core/transfer/RecordTag.h"

#include <array>
#include <cstdint>
#include <string>

// The 4-byte header in front of a picture's RGB 5-6-5 words: height and width in their low
// 8 bits, then two zero bytes.
std::array<std::uint8_t, 4> PicturePayloadHeader(int width, int height);

// The record that names a picture after its data went across: the tag the data write returned,
// then the name (at most 16 characters).
std::array<std::uint8_t, 20> ImageNameRecord(const RecordTag& pictureTag, const std::string& name);
