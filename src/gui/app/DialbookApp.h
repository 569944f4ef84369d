#pragma once

#include "core/common/Translations.h"

#include <QApplication>

#include <memory>

// The application: one copy per user, the main window, and the demonstration handset.
class DialbookApp : public QApplication {
    Q_OBJECT
public:
    DialbookApp(int& argc, char** argv);

    // Runs the program and returns its exit status. A second copy hands over to the first
    // and returns at once, showing nothing.
    int InitInstance();

private:
    std::unique_ptr<Translations> m_translations;
};
