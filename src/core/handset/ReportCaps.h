#pragma once

#include <cstdint>

// What a handset says about itself: its ids and its report lengths (each including the
// report id byte).
struct ReportCaps {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    int inLen = 0;
    int outLen = 0;
};
