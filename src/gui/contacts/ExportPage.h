#pragma once

#include <QWizardPage>

class QLineEdit;
class QRadioButton;

// Export: the selected entries or all of them, into which file. The file's extension picks
// the format: ".vcf" is vCard, anything else comma-delimited text.
class ExportPage : public QWizardPage {
    Q_OBJECT
public:
    explicit ExportPage(QWidget* parent = nullptr);

    // ImportExportChoices::kSelected or kAll.
    int Scope() const;
    void SetScope(int scope);
    // The entries the export would write: those selected and all of them. "Selected" is chosen
    // when there are any, else "all" and "selected" cannot be chosen.
    void SetCounts(int selected, int all);
    QString FileName() const;
    void SetFileName(const QString& name);
    void OnBrowse();

    int nextId() const override { return -1; }
    // No entries to write, or an empty name, stay here with a word; an existing file is replaced
    // only after a Yes.
    bool validatePage() override;

private:
    QRadioButton* m_selected = nullptr;
    QRadioButton* m_all = nullptr;
    QLineEdit* m_file = nullptr;
    // Unknown (negative) until SetCounts: then Finish is left to the export to judge.
    int m_selectedCount = -1;
    int m_allCount = -1;
};
