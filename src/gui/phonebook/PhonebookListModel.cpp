#include "gui/phonebook/PhonebookListModel.h"

#include "core/common/Cp1252.h"
#include "core/common/StringTable.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint32_t kNameHeader = 184;
constexpr std::uint32_t kNumberHeader = 185;

// Byte by byte as unsigned characters, the shorter first on a tie: what strcmp does.
bool BytewiseLess(const std::string& a, const std::string& b)
{
    return std::strcmp(a.c_str(), b.c_str()) < 0;
}

}  // namespace

int PhonebookListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

int PhonebookListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant PhonebookListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= Count() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const PhonebookEntry& e = Entry(index.row());
    return Cp1252::ToUnicode(index.column() == kNameColumn ? e.name : e.number);
}

QVariant PhonebookListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return LoadString(section == kNameColumn ? kNameHeader : kNumberHeader);
}

int PhonebookListModel::Append(std::unique_ptr<PhonebookEntry> entry)
{
    const int row = Count();
    beginInsertRows({}, row, row);
    m_rows.push_back(std::move(entry));
    endInsertRows();
    return row;
}

void PhonebookListModel::Remove(int row)
{
    if (row < 0 || row >= Count())
        return;
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

void PhonebookListModel::Clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

std::vector<PhonebookEntry> PhonebookListModel::Entries() const
{
    std::vector<PhonebookEntry> copies;
    copies.reserve(m_rows.size());
    for (const auto& r : m_rows)
        copies.push_back(*r);
    return copies;
}

void PhonebookListModel::SetEntries(const std::vector<PhonebookEntry>& entries)
{
    beginResetModel();
    m_rows.clear();
    for (const PhonebookEntry& e : entries)
        m_rows.push_back(std::make_unique<PhonebookEntry>(e));
    endResetModel();
}

bool PhonebookListModel::SetName(int row, const std::string& name)
{
    return SetField(row, kNameColumn, &PhonebookEntry::name, name);
}

bool PhonebookListModel::SetNumber(int row, const std::string& number)
{
    return SetField(row, kNumberColumn, &PhonebookEntry::number, number);
}

bool PhonebookListModel::SetField(int row, int column, std::string PhonebookEntry::*field, const std::string& text)
{
    if (row < 0 || row >= Count() || (*m_rows[static_cast<std::size_t>(row)]).*field == text)
        return false;
    (*m_rows[static_cast<std::size_t>(row)]).*field = text;
    emit dataChanged(index(row, column), index(row, column));
    return true;
}

bool PhonebookListModel::IsSorted(int column, bool descending) const
{
    if (column != kNameColumn && column != kNumberColumn)
        return false;
    return std::is_sorted(m_rows.begin(), m_rows.end(), [&](const auto& a, const auto& b) {
        const std::string& x = column == kNameColumn ? a->name : a->number;
        const std::string& y = column == kNameColumn ? b->name : b->number;
        return descending ? BytewiseLess(y, x) : BytewiseLess(x, y);
    });
}

void PhonebookListModel::Sort(int column, bool descending)
{
    if (column != kNameColumn && column != kNumberColumn)
        return;
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    std::vector<PhonebookEntry*> oldOrder;
    for (const auto& r : m_rows)
        oldOrder.push_back(r.get());
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const auto& a, const auto& b) {
        const std::string& x = column == kNameColumn ? a->name : a->number;
        const std::string& y = column == kNameColumn ? b->name : b->number;
        return descending ? BytewiseLess(y, x) : BytewiseLess(x, y);
    });
    // Keep the selection on the same entries.
    QModelIndexList after;
    for (const QModelIndex& i : before) {
        const PhonebookEntry* e = oldOrder[static_cast<std::size_t>(i.row())];
        const auto it = std::find_if(m_rows.begin(), m_rows.end(), [e](const auto& r) { return r.get() == e; });
        after.append(index(static_cast<int>(it - m_rows.begin()), i.column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged();
}
