#include "core/phonebook/Phonebook.h"

#include <algorithm>

#include <utility>

PhonebookEntry* Phonebook::Entry(std::size_t i)
{
    return i < m_entries.size() ? &m_entries[i] : nullptr;
}

const PhonebookEntry* Phonebook::Entry(std::size_t i) const
{
    return i < m_entries.size() ? &m_entries[i] : nullptr;
}

bool Phonebook::CopyEntry(std::size_t i, PhonebookEntry& out) const
{
    if (i >= m_entries.size())
        return false;
    out = m_entries[i];
    return true;
}

void Phonebook::Append(PhonebookEntry entry)
{
    m_entries.push_back(std::move(entry));
}

bool Phonebook::Remove(std::size_t i)
{
    if (i >= m_entries.size())
        return false;
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(i));
    return true;
}

bool Phonebook::SameEntries(const std::vector<PhonebookEntry>& a, const std::vector<PhonebookEntry>& b,
                            Compare compare)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [compare](const PhonebookEntry& x, const PhonebookEntry& y) {
        return x.name == y.name && x.number == y.number &&
               (compare == Compare::NameAndNumber || (x.choice1 == y.choice1 && x.choice2 == y.choice2));
    });
}

void Phonebook::Clear()
{
    m_entries.clear();
    m_identity = {};
}
