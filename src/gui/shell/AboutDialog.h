#pragma once

#include <QDialog>

class QLabel;

// "About the Orvak Dialbook": the name, two lines about the program, and its version.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    QString VersionText() const;

private:
    QLabel* m_version = nullptr;
};
