#pragma once

#include "core/phonebook/PhonebookEntry.h"
#include "core/transfer/HandsetIdentity.h"

#include <cstddef>
#include <vector>

// A phone book: an ordered list of entries and the identity of the handset it came from. The
// handset (PhonebookTransfer) and "opbk" files (PhonebookFile) fill it and take it; it is a
// plain value and copies whole.
class Phonebook {
public:
    std::size_t Count() const { return m_entries.size(); }
    // Null when i is out of range; valid until the book next changes.
    PhonebookEntry* Entry(std::size_t i);
    const PhonebookEntry* Entry(std::size_t i) const;
    // False when i is out of range.
    bool CopyEntry(std::size_t i, PhonebookEntry& out) const;
    void Append(PhonebookEntry entry);
    bool Remove(std::size_t i);
    // Every entry and the identity.
    void Clear();

    void ClearIdentity() { m_identity = {}; }
    void SetIdentity(const HandsetIdentity& identity) { m_identity = identity; }
    const HandsetIdentity& Identity() const { return m_identity; }

private:
    std::vector<PhonebookEntry> m_entries;
    HandsetIdentity m_identity;
};
