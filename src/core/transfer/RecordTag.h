#pragma once

#include <cstdint>

// Four bytes that name a record on the handset: [0] class   [1] index   [2..3] word (LE).
// Parameter-block bytes 4..7 carry one, and the handset answers every write with one.
struct RecordTag {
    std::uint8_t dataClass = 0;
    std::uint8_t index = 0;
    std::uint16_t word = 0;

    friend bool operator==(const RecordTag&, const RecordTag&) = default;
};
