#include "core/common/Translations.h"
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
    // English as the program shows it: "1 entry", not "1 entries".
    const Translations english{QLocale(QLocale::English)};
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
