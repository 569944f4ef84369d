#pragma once

#include <QTemporaryDir>

// The programs keep their folders in the user's documents folder: a test run gets a home of
// its own, so that it leaves the user's untouched. Made before any thread starts, since it
// sets HOME.
class TestHome {
public:
    TestHome()
    {
        if (m_home.isValid()) {
            qputenv("HOME", m_home.path().toUtf8());
            qunsetenv("XDG_CONFIG_HOME");
            qunsetenv("XDG_STATE_HOME");
            qunsetenv("XDG_DOCUMENTS_DIR");
        }
    }

private:
    QTemporaryDir m_home;
};
