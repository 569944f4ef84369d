#pragma once

#include <QWizardPage>

class QLineEdit;

// Import: which file. Next goes on only with a file that exists and can be read as contacts.
class ImportFilePage : public QWizardPage {
    Q_OBJECT
public:
    explicit ImportFilePage(QWidget* parent = nullptr);

    QString FileName() const;
    void SetFileName(const QString& name);
    void OnBrowse();
    bool validatePage() override;

private:
    QLineEdit* m_file = nullptr;
};
