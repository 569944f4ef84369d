#pragma once

#include "core/handset/ReportLayout.h"

#include <cstddef>
#include <cstdint>

// Function codes, by op code:
//   OP_WRITE:   FN_WRITE_RECORD, FN_WRITE_IMAGE, FN_WRITE_INFO
//   OP_READ:    FN_READ_RECORD, FN_READ_COUNT
//   OP_CONTROL: FN_BEGIN_DOWNLOAD, FN_ABORT
inline constexpr std::uint8_t FN_WRITE_RECORD = 1;
inline constexpr std::uint8_t FN_WRITE_IMAGE = 2;
inline constexpr std::uint8_t FN_WRITE_INFO = 3;
inline constexpr std::uint8_t FN_READ_RECORD = 7;
inline constexpr std::uint8_t FN_BEGIN_DOWNLOAD = 11;
inline constexpr std::uint8_t FN_READ_COUNT = 13;

// Data classes.
inline constexpr std::uint8_t CLASS_IMAGE_NAME = 1;
inline constexpr std::uint8_t CLASS_IMAGE = 2;
inline constexpr std::uint8_t CLASS_HANDSET_INFO = 3;
inline constexpr std::uint8_t CLASS_PHONEBOOK = 4;

// Parameter block, bytes 3..10 of a command report:
//   [0..3] length   [4] class   [5] index   [6..7] word
// Bytes 4..7 form a record tag, which is also the 4-byte reply to every write.
namespace params {
inline constexpr std::size_t kLength = 0;
inline constexpr std::size_t kClass = 4;
inline constexpr std::size_t kIndex = 5;
inline constexpr std::size_t kWord = 6;
inline constexpr std::size_t kSize = 8;
}  // namespace params
