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

    const std::vector<PhonebookEntry>& Entries() const { return m_entries; }

    // What the comparison of two lists of entries looks at. The header tag never counts: the
    // handset gives each record a new one as it takes a send.
    enum class Compare {
        // What a send gives the handset: the names and numbers.
        NameAndNumber,
        // Those and the handset's stored choices.
        WithChoices,
    };
    // The same entries in the same order, by `compare`.
    static bool SameEntries(const std::vector<PhonebookEntry>& a, const std::vector<PhonebookEntry>& b,
                            Compare compare);

    void ClearIdentity() { m_identity = {}; }
    void SetIdentity(const HandsetIdentity& identity) { m_identity = identity; }
    const HandsetIdentity& Identity() const { return m_identity; }

private:
    std::vector<PhonebookEntry> m_entries;
    HandsetIdentity m_identity;
};
