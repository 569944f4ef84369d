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
    QString FileName() const;
    void SetFileName(const QString& name);
    void OnBrowse();

    int nextId() const override { return -1; }
    // An empty name stays here; an existing file is replaced only after a Yes.
    bool validatePage() override;

private:
    QRadioButton* m_selected = nullptr;
    QRadioButton* m_all = nullptr;
    QLineEdit* m_file = nullptr;
};
