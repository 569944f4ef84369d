#pragma once

#include "core/phonebook/MergePlan.h"

#include <QAbstractTableModel>
#include <QString>

#include <vector>

// A sync's plan as a table, one row per change, in the plan's order: whether it is made (a
// check box), its kind, the entry, and for a conflict the version taken. Editing a row edits
// the plan's change in place (`include`, `side`); the entries the result would hold are counted
// again after each edit. A row whose entry would be in the merged book twice (the same number
// as dialled, or the same name) says so. The Take column shows the version a conflict gives:
// Both for one left out, whatever its `side`.
class SyncPreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kIncludeColumn = 0, kKindColumn, kEntryColumn, kTakeColumn, kColumnCount };

    // `plan` must outlive the model.
    explicit SyncPreviewModel(MergePlan& plan, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Qt::CheckStateRole in the Include column; in the Take column of a conflict, Qt::EditRole
    // with a MergeSide as int.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const MergePlan& Plan() const { return m_plan; }
    // The entries the merged book holds with the changes as they now are.
    int ResultCount() const { return m_resultCount; }
    // More than the handset holds: the plan cannot be synced as it is.
    bool TooMany() const;
    bool IsConflict(int row) const;
    // Another entry of the merged book is the same contact as this row's.
    bool IsDuplicate(int row) const;

    // False when the row does not exist or already is so.
    bool SetIncluded(int row, bool include);
    // Conflicts only. Choosing a side also includes a conflict that was left out, as a conflict
    // left out keeps both versions whatever the side.
    bool SetSide(int row, MergeSide side);
    // The next (+1) or previous (-1) of Handset, Computer, Both, from the version now taken
    // (Both for a conflict left out), stopping at either end.
    bool StepSide(int row, int step);

    // "Handset", "Computer", "Both".
    static QString SideText(MergeSide side);

signals:
    void ResultCountChanged(int count);

private:
    const MergeChange* Change(int row) const;
    // Counts the merged book's entries and finds the rows whose entry it holds twice; tells the
    // views that every row may look different now.
    void Recount();
    QString KindCell(const MergeChange& change) const;
    QString EntryCell(int row, const MergeChange& change) const;

    MergePlan& m_plan;
    int m_resultCount = 0;
    // Per row: the entry its entry duplicates in the merged book, as text; empty when none.
    std::vector<QString> m_duplicateOf;
};
