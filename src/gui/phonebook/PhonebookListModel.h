#pragma once

#include "core/phonebook/PhonebookEntry.h"

#include <QAbstractTableModel>

#include <memory>
#include <string>
#include <vector>

// The phone book being edited: one row per entry, which the row owns, in two columns, the
// name and the number. Texts are the entries' 8-bit strings, shown as Unicode.
class PhonebookListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kNameColumn = 0, kNumberColumn = 1 };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int Count() const { return static_cast<int>(m_rows.size()); }
    const PhonebookEntry& Entry(int row) const { return *m_rows[static_cast<std::size_t>(row)]; }

    // Appends a row; returns its index.
    int Append(std::unique_ptr<PhonebookEntry> entry);
    void Remove(int row);
    void Clear();
    // The rows as copies, and a whole new set of rows in their place (a step undone or redone).
    std::vector<PhonebookEntry> Entries() const;
    void SetEntries(const std::vector<PhonebookEntry>& entries);
    // False when the text was already the row's (nothing changes then).
    bool SetName(int row, const std::string& name);
    bool SetNumber(int row, const std::string& number);

    // Sorts by a column's 8-bit strings, byte by byte as unsigned values (case-sensitive; a
    // string that begins a longer one comes first).
    void Sort(int column, bool descending);
    // The rows are in the order Sort(column, descending) gives (always, for fewer than two).
    bool IsSorted(int column, bool descending) const;

private:
    // False when the row does not exist or already holds `text`.
    bool SetField(int row, int column, std::string PhonebookEntry::*field, const std::string& text);

    std::vector<std::unique_ptr<PhonebookEntry>> m_rows;
};
