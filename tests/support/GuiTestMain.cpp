#include "core/picture/PictureDecoder.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Widget suites: a real QApplication on the offscreen platform, so no display is needed.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The pages make their folders in the documents folder: a home of the run's own keeps the
    // user's untouched. Set before any thread starts.
    QTemporaryDir home;
    if (home.isValid()) {
        qputenv("HOME", home.path().toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
    }
    QApplication app(argc, argv);
    PictureDecoder::SetAllocationLimit();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
