#pragma once

#include <QDialog>

class QLabel;

// "About the Orvak Dialbook": the name, two lines about the program, and its version.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QString VersionText() const;

private:
    QLabel* m_version = nullptr;
};
