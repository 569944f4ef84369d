#pragma once

#include <QWizardPage>

class QRadioButton;

// The wizard's first page: import or export.
class ChooseOperationPage : public QWizardPage {
    Q_OBJECT
public:
    explicit ChooseOperationPage(QWidget* parent = nullptr);

    // ImportExportChoices::kImport or kExport.
    int Operation() const;
    void SetOperation(int operation);
    int nextId() const override;

private:
    QRadioButton* m_import = nullptr;
    QRadioButton* m_export = nullptr;
};
