#pragma once

#include "core/phonebook/EntryTag.h"

#include <cstdint>
#include <string>

// One contact: a name and a dial string, both 8-bit Windows-1252 text, and the values the
// handset supplied with its record. Copies copy everything.
class PhonebookEntry {
public:
    PhonebookEntry() = default;
    PhonebookEntry(const PhonebookEntry&) = default;
    PhonebookEntry& operator=(const PhonebookEntry&) = default;
    virtual ~PhonebookEntry() = default;

    std::string name;
    std::string number;
    // The first four bytes of the record as the handset sent it; kept in files, never sent.
    EntryTag headerTag{255, 255, 0xFFFF};
    // Go back only to the handset the phone book came from.
    EntryTag choice1{0, 255, 0};
    EntryTag choice2{0, 255, 0};
    std::int32_t sourceIndex = -1;
    // Carried along with the entry; nothing reads or changes them.
    std::int32_t reserved1 = -1;
    std::int32_t reserved2 = -1;

    friend auto operator<=>(const PhonebookEntry&, const PhonebookEntry&) = default;
    friend bool operator==(const PhonebookEntry&, const PhonebookEntry&) = default;
};
