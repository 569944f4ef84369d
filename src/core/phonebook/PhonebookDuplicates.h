#pragma once

#include "core/phonebook/PhonebookEntry.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// When two entries are the same contact: numbers equal as dialled, or names equal ignoring
// case and outer spaces. The duplicate finder and the sync's pairing both use these keys.
class PhonebookDuplicates {
public:
    // The number without the spaces, dashes, dots, brackets and slashes people write in it,
    // none of which the handset dials.
    static std::string NumberKey(std::string_view number);
    // The name without outer spaces, in lower case (Windows-1252 letters included).
    static std::string NameKey(std::string_view name);

    // Each pair (i, j), i < j, of entries whose numbers are equal as dialled or whose names are
    // equal ignoring case; empty names and numbers match nothing.
    static std::vector<std::pair<std::size_t, std::size_t>> Pairs(const std::vector<PhonebookEntry>& entries);
};
