#include "core/common/StringTable.h"

#include <gtest/gtest.h>

TEST(StringTable, GivesTheTextOfEachResultId)
{
    EXPECT_EQ(LoadString(Msg::AppTitle), QStringLiteral("Orvak Dialbook"));
    EXPECT_EQ(LoadString(Msg::PhoneNotFound), QStringLiteral("Error: Phone not found."));
    EXPECT_EQ(LoadString(Msg::Cancelled), QStringLiteral("Data transfer canceled."));
    // Escapes become the characters they stand for; doubled spaces stay.
    EXPECT_EQ(LoadString(Msg::RefusedMemoryFull),
              QStringLiteral("Can't download! Memory storage on handset is full.\n"
                             "Please delete one or more pictures or sound clips on handset."));
    EXPECT_EQ(LoadString(Msg::RefusedOther), QStringLiteral("Error:  Unable to complete data transfer."));
    EXPECT_TRUE(LoadString(999999).isEmpty());
}

TEST(StringTable, EveryResultOfTheHandsetLinkHasAText)
{
    for (Msg m : {Msg::RefusedMemoryFull, Msg::RefusedHandsetInUse, Msg::RefusedIncomingCall, Msg::RefusedLowBattery,
                  Msg::RefusedSoundClipBusy, Msg::RefusedHandsetCanceledImage, Msg::RefusedFileTooLarge,
                  Msg::RefusedOther, Msg::ReadFailed, Msg::Cancelled, Msg::PhoneNotFound, Msg::ReportSizeTooLarge,
                  Msg::CreateEventFailed, Msg::SendFailed})
        EXPECT_FALSE(LoadString(m).isEmpty()) << ToId(m);
}
