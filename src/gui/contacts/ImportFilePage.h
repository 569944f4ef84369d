#pragma once

#include <QWizardPage>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Import: from a file or from an address book on a server. For a file, which one: Next goes on
// only with a file that exists and can be read as contacts. For a server, the next page asks
// which.
class ImportFilePage : public QWizardPage {
    Q_OBJECT
public:
    explicit ImportFilePage(QWidget* parent = nullptr);

    QString FileName() const;
    void SetFileName(const QString& name);
    // Whether the contacts come from a server rather than a file.
    bool FromServer() const;
    void SetFromServer(bool server);
    void OnBrowse();
    bool validatePage() override;
    int nextId() const override;

    QRadioButton* FileChoice() const { return m_fromFile; }
    QRadioButton* ServerChoice() const { return m_fromServer; }
    QLineEdit* FileEdit() const { return m_file; }

private:
    // The file's line and Browse serve a file only.
    void ShowSource();

    QLabel* m_sourceLabel = nullptr;
    QRadioButton* m_fromFile = nullptr;
    QRadioButton* m_fromServer = nullptr;
    QLabel* m_fileLabel = nullptr;
    QLineEdit* m_file = nullptr;
    QPushButton* m_browse = nullptr;
};
