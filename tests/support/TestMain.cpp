#include "core/common/Translations.h"
#include "core/picture/PictureDecoder.h"
#include "support/TestHome.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

// Suites share one Qt application object, so event loops, notifiers and resources work.
int main(int argc, char** argv)
{
    TestHome home;
    QCoreApplication app(argc, argv);
    PictureDecoder::SetAllocationLimit();
    // English as the program shows it: "1 entry", not "1 entries".
    const Translations english{QLocale(QLocale::English)};
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
