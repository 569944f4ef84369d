#include "gui/contacts/ContactChoiceModel.h"

#include "core/common/Cp1252.h"

#include <set>

void ContactChoiceModel::SetContacts(const ContactList& list, int room, bool keepChoice)
{
    // The same contact keeps its check when the mapping or the prefix changes under it.
    std::set<int> chosenRows;
    const bool keep = keepChoice && m_userChose;
    if (keep)
        for (int i : m_selection.ChosenIndices())
            chosenRows.insert(m_list.contacts[static_cast<std::size_t>(i)].row);
    const QString category = m_selection.Category();
    beginResetModel();
    m_list = list;
    m_selection.Reset(m_list, room);
    if (keep) {
        m_selection.ChooseNone();
        for (int i = 0; i < m_selection.Count(); ++i)
            if (chosenRows.count(m_list.contacts[static_cast<std::size_t>(i)].row) != 0)
                m_selection.SetChosen(i, true);
    } else {
        m_userChose = false;
    }
    m_selection.SetCategory(m_list.categories.contains(category) ? category : QString());
    RebuildShown();
    endResetModel();
    emit choiceChanged();
}

void ContactChoiceModel::SetCategory(const QString& category)
{
    beginResetModel();
    m_selection.SetCategory(category);
    RebuildShown();
    endResetModel();
    // A category picked is what to import: its contacts, as many as fit, and no others. All
    // categories again shows everything and keeps the choice.
    if (!category.isEmpty())
        ChooseFirstThatFit();
}

void ContactChoiceModel::ChooseFirstThatFit()
{
    m_selection.ChooseFirstThatFit();
    ChoseAll();
}

void ContactChoiceModel::ChooseNone()
{
    m_selection.ChooseNone();
    ChoseAll();
}

void ContactChoiceModel::ChoseAll()
{
    m_userChose = true;
    if (!m_shown.empty())
        emit dataChanged(index(0), index(static_cast<int>(m_shown.size()) - 1), {Qt::CheckStateRole});
    emit choiceChanged();
}

void ContactChoiceModel::RebuildShown()
{
    m_shown.clear();
    for (int i = 0; i < m_selection.Count(); ++i)
        if (m_selection.Shown(i))
            m_shown.push_back(i);
}

int ContactChoiceModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size());
}

QVariant ContactChoiceModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int i = m_shown[static_cast<std::size_t>(index.row())];
    const ImportedContact& c = m_list.contacts[static_cast<std::size_t>(i)];
    switch (role) {
    case Qt::DisplayRole:
        return c.number.empty() ? Cp1252::ToUnicode(c.name)
                                : tr("%1, %2").arg(Cp1252::ToUnicode(c.name), Cp1252::ToUnicode(c.number));
    case Qt::CheckStateRole:
        return m_selection.Chosen(i) ? Qt::Checked : Qt::Unchecked;
    case Qt::ToolTipRole:
        return c.categories.join(tr(", "));
    default:
        return {};
    }
}

bool ContactChoiceModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !index.isValid() || index.row() >= rowCount())
        return false;
    const int i = m_shown[static_cast<std::size_t>(index.row())];
    m_selection.SetChosen(i, value.toInt() == Qt::Checked);
    m_userChose = true;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit choiceChanged();
    return true;
}

Qt::ItemFlags ContactChoiceModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}
