// Receiving and sending the phone book with the simulated handset.

#include "support/PhonebookHelpers.h"
#include "support/RecordingProgress.h"
#include "support/SimFixture.h"

#include "core/common/StringTable.h"
#include "core/phonebook/PhonebookBackups.h"
#include "core/phonebook/PhonebookFile.h"
#include "core/phonebook/PhonebookSend.h"
#include "core/phonebook/PhonebookTransfer.h"
#include "core/transfer/ProtocolCodes.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PhonebookExchange : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        transfer.SetProgressDialog(&progress);
    }

    SimHandset& HandsetWith(int contacts, int reportLength = 64)
    {
        SimConfig c;
        c.inLen = c.outLen = reportLength;
        SimHandset& h = StartHandset(c);
        for (int i = 1; i <= contacts; ++i)
            h.AddContact("Contact " + std::to_string(i), "555" + std::to_string(1000 + i));
        return h;
    }

    static int CountCommands(const SimHandset& h, std::uint8_t op, std::uint8_t function)
    {
        int n = 0;
        for (const auto& c : h.Commands())
            n += c.op == op && c.function == function;
        return n;
    }

    RecordingProgress progress;
    Phonebook book;
    PhonebookTransfer transfer;
};

TEST_F(PhonebookExchange, EmptyHandsetGivesAnEmptyBookWithItsIdentity)
{
    HandsetWith(0);
    book.Append(MakeEntry("old", "1"));
    ASSERT_EQ(transfer.ReceivePhonebook(book), Msg::Ok);
    EXPECT_EQ(book.Count(), 0u);
    EXPECT_EQ(book.Identity().ToHex(), "123456789abc");
    EXPECT_EQ(progress.texts.first(), LoadString(Msg::PreparingReceive));
    EXPECT_EQ(progress.ranges, (std::vector<std::pair<int, int>>{{0, 2000}, {0, 20}}));
}

TEST_F(PhonebookExchange, ReceivesAHundredEntriesInOrder)
{
    HandsetWith(100);
    ASSERT_EQ(transfer.ReceivePhonebook(book), Msg::Ok);
    ASSERT_EQ(book.Count(), 100u);
    EXPECT_EQ(book.Entry(0)->name, "Contact 1");
    EXPECT_EQ(book.Entry(99)->name, "Contact 100");
    EXPECT_EQ(book.Entry(99)->number, "5551100");
    EXPECT_EQ(book.Entry(99)->sourceIndex, 99);
    EXPECT_EQ(progress.ranges.back(), (std::pair<int, int>{0, 1020}));
    EXPECT_TRUE(progress.texts.contains(QStringLiteral("Transferring phonebook record: 100")));
    // 45-byte records fit a 64-byte reply; each still moves the bar by one step.
    EXPECT_EQ(progress.steps, 100 + 1);  // and the handset information
}

TEST_F(PhonebookExchange, TransfersWithoutAProgressDisplayStillRun)
{
    HandsetWith(2);
    Phonebook plain;
    PhonebookTransfer plainTransfer;
    ASSERT_EQ(plainTransfer.ReceivePhonebook(plain), Msg::Ok);
    EXPECT_EQ(plain.Count(), 2u);
    EXPECT_EQ(plainTransfer.SendPhonebook(plain), Msg::Ok);
}

TEST_F(PhonebookExchange, RecordsInDataReportsMoveTheBar)
{
    HandsetWith(3, 16);
    ASSERT_EQ(transfer.ReceivePhonebook(book), Msg::Ok);
    ASSERT_EQ(book.Count(), 3u);
    EXPECT_EQ(book.Entry(2)->number, "5551003");
    // Handset information (26 bytes) and each record (45 bytes) in 15-byte payloads.
    EXPECT_EQ(progress.steps, 2 + 3 * 3);
}

TEST_F(PhonebookExchange, CancelWhileRecordThreeOfTenIsReadEmptiesTheBook)
{
    HandsetWith(10);
    progress.onText = [&](const QString& text) {
        if (text == QStringLiteral("Transferring phonebook record: 3"))
            progress.CancelEvent().Set();
    };
    EXPECT_EQ(transfer.ReceivePhonebook(book), Msg::Cancelled);
    EXPECT_EQ(book.Count(), 0u);
    EXPECT_EQ(book.Identity(), HandsetIdentity{});
}

TEST_F(PhonebookExchange, FailuresLeaveAnEmptyBook)
{
    SimHandset& h = HandsetWith(5);
    h.SetReadData(FN_READ_COUNT, CLASS_PHONEBOOK, 0, {5, 0, 0});
    EXPECT_EQ(transfer.ReceivePhonebook(book), Msg::DataInError);
    EXPECT_EQ(book.Count(), 0u);
    EXPECT_EQ(book.Identity(), HandsetIdentity{});

    h.SetReadData(FN_READ_COUNT, CLASS_PHONEBOOK, 0, {5, 0, 0, 0});
    h.SetReadData(FN_READ_RECORD, CLASS_PHONEBOOK, 2, std::vector<std::uint8_t>(44, 'A'));
    EXPECT_EQ(transfer.ReceivePhonebook(book), Msg::DataInError) << "a short record is not decoded";
    EXPECT_EQ(book.Count(), 0u);

    h.SetReadData(FN_READ_RECORD, CLASS_HANDSET_INFO, 0, std::vector<std::uint8_t>(25, 0));
    EXPECT_EQ(transfer.ReceivePhonebook(book), Msg::HandsetSettingsUnreadable);

    SimFaults f;
    f.refuseCode = 4;
    h.SetFaults(f);
    EXPECT_EQ(transfer.ReceivePhonebook(book), Msg::RefusedIncomingCall);
    EXPECT_EQ(book.Count(), 0u);
}

TEST_F(PhonebookExchange, SendReplacesTheHandsetsBook)
{
    SimHandset& h = HandsetWith(4);
    book.Append(MakeEntry("Twenty characters!!!", "(555) 123-4567"));
    book.Append(MakeEntry("Bob", "*67#P12"));
    ASSERT_EQ(transfer.SendPhonebook(book), Msg::Ok);
    Settle();
    const auto records = h.Phonebook();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(std::string(records[0].begin() + 4, records[0].begin() + 20), "Twenty character");
    EXPECT_EQ(records[0][20], 10);
    EXPECT_TRUE(progress.texts.contains(QStringLiteral("Sending phonebook record: 2")));
    EXPECT_EQ(progress.ranges.back(), (std::pair<int, int>{0, 40}));

    Phonebook back;
    PhonebookTransfer backTransfer;
    RecordingProgress p2;
    backTransfer.SetProgressDialog(&p2);
    ASSERT_EQ(backTransfer.ReceivePhonebook(back), Msg::Ok);
    ASSERT_EQ(back.Count(), 2u);
    EXPECT_EQ(back.Entry(0)->number, "5551234567");
    EXPECT_EQ(back.Entry(1)->name, "Bob");
    EXPECT_EQ(back.Entry(1)->number, "*67#P12");
}

TEST_F(PhonebookExchange, ChoicesGoBackOnlyToTheirOwnHandset)
{
    SimHandset& h = HandsetWith(0);
    auto e = MakeEntry("A", "1");
    e.choice1 = {1, 2, 0x0304};
    e.choice2 = {5, 6, 0x0708};
    book.Append(std::move(e));

    book.SetIdentity(HandsetIdentity::FromBytes(h.Identity()));
    ASSERT_EQ(transfer.SendPhonebook(book), Msg::Ok);
    Settle();
    auto r = h.Phonebook().at(0);
    EXPECT_EQ(std::vector<std::uint8_t>(r.begin() + 37, r.end()), (std::vector<std::uint8_t>{1, 2, 4, 3, 5, 6, 8, 7}));

    book.SetIdentity({0xDEAD, 0xBEEF});
    ASSERT_EQ(transfer.SendPhonebook(book), Msg::Ok);
    Settle();
    r = h.Phonebook().at(0);
    EXPECT_EQ(std::vector<std::uint8_t>(r.begin() + 37, r.end()),
              (std::vector<std::uint8_t>{0, 0xFF, 0, 0, 0, 0xFF, 0, 0}));
}

TEST_F(PhonebookExchange, EmptySendStillClearsTheHandset)
{
    SimHandset& h = HandsetWith(3);
    h.ClearCommands();
    ASSERT_EQ(transfer.SendPhonebook(book), Msg::Ok);
    EXPECT_TRUE(h.Phonebook().empty());
    EXPECT_EQ(h.Commands().size(), 2u);
    EXPECT_EQ(CountCommands(h, OP_READ, FN_READ_RECORD), 1);
    EXPECT_EQ(CountCommands(h, OP_CONTROL, FN_BEGIN_DOWNLOAD), 1);
}

TEST_F(PhonebookExchange, AFailedInformationReadStopsASendBeforeAnyWrite)
{
    SimHandset& h = HandsetWith(3);
    h.SetReadData(FN_READ_RECORD, CLASS_HANDSET_INFO, 0, std::vector<std::uint8_t>(27, 0));
    FillBook(book, 2);
    h.ClearCommands();
    EXPECT_EQ(transfer.SendPhonebook(book), Msg::HandsetSettingsUnreadable);
    EXPECT_EQ(CountCommands(h, OP_CONTROL, FN_BEGIN_DOWNLOAD), 0);
    EXPECT_EQ(h.Phonebook().size(), 3u);
}

TEST_F(PhonebookExchange, CancelAndRefusalDuringASend)
{
    SimHandset& h = HandsetWith(0);
    FillBook(book, 10);
    progress.onText = [&](const QString& text) {
        if (text == QStringLiteral("Sending phonebook record: 3"))
            progress.CancelEvent().Set();
    };
    EXPECT_EQ(transfer.SendPhonebook(book), Msg::Cancelled);
    Settle();
    EXPECT_EQ(book.Count(), 10u) << "the book itself is unchanged";
    EXPECT_LE(h.Phonebook().size(), 3u);

    progress.onText = nullptr;
    SimFaults f;
    f.refuseCode = 3;
    h.SetFaults(f);
    EXPECT_EQ(transfer.SendPhonebook(book), Msg::RefusedHandsetInUse);
}

// Ctrl+C or Cancel may come at any moment of a send: during the information read, the backup's
// receive, its save and prune, the send's own information read, or the download. Until the
// download has begun the handset keeps its whole book; after that the send says how much of the
// new book reached it. Every call the send makes to its progress display is a moment tried here.
TEST_F(PhonebookExchange, ACancelAtAnyMomentBeforeTheDownloadLeavesTheHandsetAsItWas)
{
    SimHandset& h = HandsetWith(6);
    const auto original = h.Phonebook();
    Phonebook newBook;
    FillBook(newBook, 4);
    PhonebookSend send(newBook);
    int momentsBefore = 0;
    for (int moment = 1; moment < 1000; ++moment) {
        h.ClearCommands();
        RecordingProgress p;
        p.onCall = [&p, moment](int call) {
            if (call == moment)
                p.CancelEvent().Set();
        };
        const Msg result = send.Run(p, true);
        Settle();
        EXPECT_EQ(result, Msg::Cancelled) << "moment " << moment;
        if (CountCommands(h, OP_CONTROL, FN_BEGIN_DOWNLOAD) == 0) {
            ++momentsBefore;
            EXPECT_FALSE(send.Partial());
            ASSERT_EQ(h.Phonebook(), original) << "moment " << moment;
            continue;
        }
        // The first moment after the download began: the handset's book is gone, and the user
        // hears what it holds now, with the backup to send back.
        EXPECT_TRUE(send.Partial());
        EXPECT_EQ(send.PartialText(), PhonebookBackups::PartialSendText(0, 4));
        EXPECT_TRUE(QFileInfo::exists(send.Backup()));
        break;
    }
    // The information read, six records, the save and prune, the send's information read.
    EXPECT_GE(momentsBefore, 12);
}

// The handset takes the command that clears its book and is unplugged before it answers: the
// book may be gone, and the user must hear so, with the backup to send back, which goes only to
// the handset it was kept from.
TEST_F(PhonebookExchange, AClearWhoseAnswerIsLostMayHaveEmptiedTheHandset)
{
    SimHandset& h = HandsetWith(6);
    Phonebook newBook;
    FillBook(newBook, 4);
    PhonebookSend send(newBook);
    SimFaults f;
    f.disconnectAfter = 3;  // the information's command and reply, then the clear's command
    h.SetFaults(f);
    EXPECT_EQ(send.Run(progress, false), Msg::ReadFailed);
    EXPECT_TRUE(send.Partial());
    EXPECT_EQ(send.PartialText(), PhonebookBackups::UnknownSendText(0, 4));
    EXPECT_TRUE(h.Phonebook().empty());

    // Another handset is plugged in: the backup of the first does not overwrite its book.
    QTemporaryDir dir;
    const QString backup = dir.filePath(QStringLiteral("first.opbk"));
    Phonebook kept;
    FillBook(kept, 2);
    kept.SetIdentity({0x11111111, 0x2222});
    ASSERT_EQ(PhonebookFile::Save(backup, kept), Msg::Ok);
    SimHandset& other = HandsetWith(3);
    EXPECT_EQ(PhonebookSend::SendBack(progress, backup), Msg::NotTheBackupsHandset);
    Settle();
    EXPECT_EQ(other.Phonebook().size(), 3u);
    EXPECT_EQ(CountCommands(other, OP_CONTROL, FN_BEGIN_DOWNLOAD), 0);
    kept.SetIdentity(HandsetIdentity::FromBytes(SimConfig{}.identity));
    ASSERT_EQ(PhonebookFile::Save(backup, kept), Msg::Ok);
    EXPECT_EQ(PhonebookSend::SendBack(progress, backup), Msg::Ok);
    Settle();
    EXPECT_EQ(other.Phonebook().size(), 2u);
}

TEST_F(PhonebookExchange, NoHandsetIsPhoneNotFound)
{
    EXPECT_EQ(transfer.ReceivePhonebook(book), Msg::PhoneNotFound);
    EXPECT_EQ(transfer.SendPhonebook(book), Msg::PhoneNotFound);
}

}  // namespace
