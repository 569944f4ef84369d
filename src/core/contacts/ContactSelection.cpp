#include "core/contacts/ContactSelection.h"

#include "core/contacts/ContactImport.h"

#include <algorithm>

void ContactSelection::Reset(const ContactList& list, int room)
{
    const std::size_t count = list.contacts.size();
    m_room = std::max(0, room);
    m_wanted.clear();
    m_categories.clear();
    m_categories.reserve(count);
    for (const ImportedContact& c : list.contacts)
        m_categories.push_back(c.categories);
    const bool fit = static_cast<int>(count) <= m_room;
    m_chosen.assign(count, fit);
    m_chosenCount = fit ? static_cast<int>(count) : 0;
}

bool ContactSelection::Chosen(int index) const
{
    return index >= 0 && index < Count() && m_chosen[static_cast<std::size_t>(index)];
}

void ContactSelection::SetChosen(int index, bool chosen)
{
    if (index < 0 || index >= Count() || m_chosen[static_cast<std::size_t>(index)] == chosen)
        return;
    m_chosen[static_cast<std::size_t>(index)] = chosen;
    m_chosenCount += chosen ? 1 : -1;
}

void ContactSelection::SetCategory(const QString& category)
{
    SetCategories(category.isEmpty() ? QStringList() : QStringList{category}, Qt::CaseSensitive);
}

void ContactSelection::SetCategories(const QStringList& categories, Qt::CaseSensitivity sensitivity)
{
    m_wanted = categories;
    m_sensitivity = sensitivity;
}

bool ContactSelection::Shown(int index) const
{
    if (index < 0 || index >= Count())
        return false;
    const QStringList& has = m_categories[static_cast<std::size_t>(index)];
    return m_wanted.isEmpty() || std::any_of(m_wanted.begin(), m_wanted.end(), [&](const QString& wanted) {
               return has.contains(wanted, m_sensitivity);
           });
}

void ContactSelection::ChooseFirst(int n)
{
    ChooseNone();
    for (int i = 0; i < Count() && m_chosenCount < n; ++i)
        if (Shown(i))
            SetChosen(i, true);
}

void ContactSelection::ChooseNone()
{
    m_chosen.assign(m_chosen.size(), false);
    m_chosenCount = 0;
}

std::vector<int> ContactSelection::ChosenIndices() const
{
    std::vector<int> out;
    out.reserve(static_cast<std::size_t>(m_chosenCount));
    for (int i = 0; i < Count(); ++i)
        if (m_chosen[static_cast<std::size_t>(i)])
            out.push_back(i);
    return out;
}
