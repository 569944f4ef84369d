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
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
