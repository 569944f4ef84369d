#pragma once

#include "core/phonebook/EntryTag.h"
#include "core/phonebook/PhonebookEntry.h"

#include <cstdint>
#include <span>

// One entry as a phone-book record: the 45 bytes the handset sends and files keep (a 4-byte
// header tag, then the body), and the 41-byte body the handset is sent. The handset transfer
// and the file format share it, so both read and write the same bytes.
class PhonebookRecord {
public:
    // Fills `entry` from a 45-byte record; `position` is the record's place in its book. False
    // (and `entry` untouched) when the record is shorter than that.
    static bool Decode(int position, std::span<const std::uint8_t> record, PhonebookEntry& entry);

    // Fills the part a sent record and a stored record share (name, number, choices): the 41
    // bytes of a record for the handset, or bytes 4..44 of a record as files keep them.
    static void EncodeBody(std::span<std::uint8_t> body, const PhonebookEntry& entry, const EntryTag& choice1,
                           const EntryTag& choice2);
};
