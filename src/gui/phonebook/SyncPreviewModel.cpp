#include "gui/phonebook/SyncPreviewModel.h"

#include "core/common/Cp1252.h"
#include "core/phonebook/PhonebookDuplicates.h"
#include "core/phonebook/PhonebookLimits.h"
#include "core/phonebook/PhonebookMerge.h"
#include "core/phonebook/PhonebookSync.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include <array>

namespace {

// Tints laid over the view's own base colour, with the palette's text on top: light rows in a
// light palette, dark ones in a dark palette, the text readable in both.
constexpr int kTintAlpha = 0x48;

QColor Tint(MergeKind kind)
{
    QColor c;
    switch (kind) {
    case MergeKind::Added: c = QColor(0x2E, 0xA0, 0x4F); break;
    case MergeKind::Changed:
    case MergeKind::KeptOverDelete: c = QColor(0x2E, 0x6F, 0xD5); break;
    case MergeKind::Deleted: c = QColor(0xD0, 0x35, 0x2B); break;
    case MergeKind::Conflict: c = QColor(0xF0, 0xA0, 0x00); break;
    }
    c.setAlpha(kTintAlpha);
    return c;
}

constexpr std::array<MergeSide, 3> kSides{MergeSide::Handset, MergeSide::Computer, MergeSide::Both};

// A conflict left out keeps both versions, whichever side it names.
MergeSide Taken(const MergeChange& change)
{
    return change.include ? change.side : MergeSide::Both;
}

QString EntryText(const PhonebookEntry& e)
{
    return Cp1252::ToUnicode(e.name) + QStringLiteral("  ") + Cp1252::ToUnicode(e.number);
}

}  // namespace

SyncPreviewModel::SyncPreviewModel(MergePlan& plan, QObject* parent) : QAbstractTableModel(parent), m_plan(plan)
{
    Recount();
}

int SyncPreviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_plan.changes.size());
}

int SyncPreviewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

const MergeChange* SyncPreviewModel::Change(int row) const
{
    if (row < 0 || row >= rowCount())
        return nullptr;
    return &m_plan.changes[static_cast<std::size_t>(row)];
}

bool SyncPreviewModel::IsConflict(int row) const
{
    const MergeChange* change = Change(row);
    return change && change->kind == MergeKind::Conflict;
}

bool SyncPreviewModel::IsDuplicate(int row) const
{
    return Change(row) && !m_duplicateOf[static_cast<std::size_t>(row)].isEmpty();
}

bool SyncPreviewModel::TooMany() const
{
    return static_cast<std::size_t>(m_resultCount) > MAX_PHONEBOOK_ENTRIES;
}

QString SyncPreviewModel::SideText(MergeSide side)
{
    switch (side) {
    case MergeSide::Handset: return tr("Handset");
    case MergeSide::Computer: return tr("Computer");
    case MergeSide::Both: return tr("Both");
    }
    return {};
}

QString SyncPreviewModel::KindCell(const MergeChange& change) const
{
    const QString kind = PhonebookSync::KindText(change.kind);
    if (change.include)
        return kind;
    //: A change of a sync that the person left out: %1 its kind ("added").
    return tr("%1 (left out)").arg(kind);
}

QString SyncPreviewModel::EntryCell(int row, const MergeChange& change) const
{
    const QString text = PhonebookSync::ChangeText(m_plan, change);
    if (!IsDuplicate(row))
        return text;
    //: A change whose entry the merged phone book would hold twice.
    return tr("%1 (duplicate)").arg(text);
}

QVariant SyncPreviewModel::data(const QModelIndex& index, int role) const
{
    const MergeChange* change = index.isValid() ? Change(index.row()) : nullptr;
    if (!change)
        return {};
    const int column = index.column();
    const bool conflict = change->kind == MergeKind::Conflict;
    switch (role) {
    case Qt::DisplayRole:
        if (column == kKindColumn)
            return KindCell(*change);
        if (column == kEntryColumn)
            return EntryCell(index.row(), *change);
        if (column == kTakeColumn && conflict)
            return SideText(Taken(*change));
        return {};
    case Qt::EditRole:
        if (column == kTakeColumn && conflict)
            return static_cast<int>(Taken(*change));
        return {};
    case Qt::CheckStateRole:
        if (column == kIncludeColumn)
            return static_cast<int>(change->include ? Qt::Checked : Qt::Unchecked);
        return {};
    case Qt::AccessibleTextRole:
        if (column == kIncludeColumn) {
            if (change->include)
                return tr("Included");
            return tr("Left out");
        }
        return data(index, Qt::DisplayRole);
    case Qt::ToolTipRole: {
        QString tip = PhonebookSync::KindText(change->kind) + QStringLiteral(": ") +
                      PhonebookSync::ChangeText(m_plan, *change);
        const QString& other = m_duplicateOf[static_cast<std::size_t>(index.row())];
        if (!other.isEmpty())
            tip += u'\n' + other;
        return tip;
    }
    case Qt::BackgroundRole:
        // A change left out is not made: it loses its colour, as it loses its check.
        if (change->include)
            return QBrush(Tint(change->kind));
        return {};
    case Qt::FontRole:
        if (!change->include) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return {};
    default: return {};
    }
}

bool SyncPreviewModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid())
        return false;
    if (index.column() == kIncludeColumn && role == Qt::CheckStateRole)
        return SetIncluded(index.row(), value.toInt() == Qt::Checked);
    if (index.column() == kTakeColumn && role == Qt::EditRole) {
        bool ok = false;
        const int side = value.toInt(&ok);
        if (!ok || side < 0 || side >= static_cast<int>(kSides.size()))
            return false;
        return SetSide(index.row(), kSides[static_cast<std::size_t>(side)]);
    }
    return false;
}

Qt::ItemFlags SyncPreviewModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || !Change(index.row()))
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == kIncludeColumn)
        f |= Qt::ItemIsUserCheckable;
    if (index.column() == kTakeColumn && IsConflict(index.row()))
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant SyncPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case kIncludeColumn: return tr("Include");
    case kKindColumn: return tr("Change");
    case kEntryColumn: return tr("Entry");
    case kTakeColumn: return tr("Take");
    default: return {};
    }
}

bool SyncPreviewModel::SetIncluded(int row, bool include)
{
    if (!Change(row) || Change(row)->include == include)
        return false;
    m_plan.changes[static_cast<std::size_t>(row)].include = include;
    Recount();
    return true;
}

bool SyncPreviewModel::SetSide(int row, MergeSide side)
{
    if (!IsConflict(row))
        return false;
    MergeChange& change = m_plan.changes[static_cast<std::size_t>(row)];
    if (change.side == side && change.include)
        return false;
    change.side = side;
    change.include = true;
    Recount();
    return true;
}

bool SyncPreviewModel::StepSide(int row, int step)
{
    if (!IsConflict(row))
        return false;
    const MergeSide now = Taken(*Change(row));
    std::size_t at = 0;
    while (at < kSides.size() && kSides[at] != now)
        ++at;
    const auto next = static_cast<std::ptrdiff_t>(at) + (step < 0 ? -1 : 1);
    if (next < 0 || next >= static_cast<std::ptrdiff_t>(kSides.size()))
        return false;
    return SetSide(row, kSides[static_cast<std::size_t>(next)]);
}

void SyncPreviewModel::Recount()
{
    // The merged book place by place, so that each entry is known by the change that gave it:
    // Apply on a copy that holds one place at a time.
    MergePlan probe = m_plan;
    std::vector<PhonebookEntry> merged;
    std::vector<int> rowOf;
    for (const MergeSlot& slot : m_plan.places) {
        probe.places.assign(1, slot);
        for (PhonebookEntry& e : PhonebookMerge::Apply(probe)) {
            merged.push_back(std::move(e));
            rowOf.push_back(slot.change ? static_cast<int>(*slot.change) : -1);
        }
    }
    m_duplicateOf.assign(m_plan.changes.size(), QString());
    const auto note = [&](std::size_t mine, std::size_t other) {
        const int row = rowOf[mine];
        if (row < 0 || !m_duplicateOf[static_cast<std::size_t>(row)].isEmpty())
            return;
        // A conflict kept as two entries duplicates itself: the note names the other version.
        const bool sameNumber = PhonebookDuplicates::NumberKey(merged[mine].number) ==
                                PhonebookDuplicates::NumberKey(merged[other].number);
        QString text;
        if (sameNumber)
            //: %1: another entry of the merged phone book ("Ana Lima  555 0101").
            text = tr("The merged phone book also holds %1, with the same number.");
        else
            //: %1: another entry of the merged phone book ("Ana Lima  555 0101").
            text = tr("The merged phone book also holds %1, under the same name.");
        m_duplicateOf[static_cast<std::size_t>(row)] = text.arg(EntryText(merged[other]));
    };
    for (const auto& [i, j] : PhonebookDuplicates::Pairs(merged)) {
        note(i, j);
        note(j, i);
    }
    m_resultCount = static_cast<int>(merged.size());
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
    emit ResultCountChanged(m_resultCount);
}
