#include "core/picture/PictureDecoder.h"
#include "support/TestHome.h"

#include <QApplication>

#include <gtest/gtest.h>

// Widget suites: a real QApplication on the offscreen platform, so no display is needed.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestHome home;
    QApplication app(argc, argv);
    PictureDecoder::SetAllocationLimit();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
