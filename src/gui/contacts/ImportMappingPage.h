#pragma once

#include "core/contacts/ImportFieldMap.h"

#include <QStringList>
#include <QWizardPage>

class QTreeWidget;

// Import: which column of the file goes where. Each time the page comes up the file is read
// again and the mapping guessed afresh from its headers; Change Map adjusts one row.
class ImportMappingPage : public QWizardPage {
    Q_OBJECT
public:
    explicit ImportMappingPage(QWidget* parent = nullptr);

    // Reads the file's headers and guesses the mapping. False, after telling the user, when
    // the file cannot be read or has no columns or more than 254.
    bool LoadFile(const QString& path);
    const ImportFieldMap& Map() const { return m_map; }
    QTreeWidget* List() const { return m_list; }
    // The target of row `row` (ImportFieldMap::Target).
    int RowTarget(int row) const;
    // Sets row `row` to `target` (-1: not imported) as the Change Map dialog's OK does.
    void ChangeRow(int row, int target);
    void OnChangeMap();

    int nextId() const override { return -1; }

private:
    void ShowRow(int row, int target);

    QTreeWidget* m_list = nullptr;
    ImportFieldMap m_map;
    QStringList m_headers;
};
