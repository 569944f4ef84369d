#pragma once

#include <QWizardPage>

// What an import takes, in three steps, before it starts.
class ImportIntroPage : public QWizardPage {
    Q_OBJECT
public:
    explicit ImportIntroPage(QWidget* parent = nullptr);
};
