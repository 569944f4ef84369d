#pragma once

#include "core/transfer/RecordTag.h"

#include "core/transfer/HandsetIdentity.h"

#include <string>

// What the handset says about itself. One record is shared by the pages of the program.
struct HandsetInfo {
    std::string name;  // 8-bit text, at most 16 characters
    HandsetIdentity identity;
    // After a read: (3, 0, 0). After a write: the tag the handset answered with.
    RecordTag tag;
};

HandsetInfo& SharedHandsetInfo();
