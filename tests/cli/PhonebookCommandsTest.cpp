// The phone-book commands of `dialbook`, with their questions, output and Ctrl+C.

#include "cli/PhonebookCommands.h"
#include "core/phonebook/PhonebookBackups.h"
#include "core/phonebook/PhonebookFile.h"
#include "core/transfer/ProtocolCodes.h"
#include "support/Captured.h"
#include "support/PhonebookHelpers.h"
#include "support/SimFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

class PhonebookCommands : public SimFixture {
protected:
    CommandConsole Console()
    {
        CommandConsole c;
        c.out = out.File();
        c.err = err.File();
        c.in = in.File();
        return c;
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    // A handset on a slow bus (`pace` reports a second) holding `contacts` entries.
    SimHandset& SlowHandsetWith(int pace, int contacts)
    {
        SimConfig c;
        c.pace = pace;
        SimHandset& h = StartHandset(c);
        for (int i = 0; i < contacts; ++i)
            h.AddContact("Kept " + std::to_string(i), "555");
        return h;
    }

    Captured out, err, in;
    QTemporaryDir dir;
};

TEST_F(PhonebookCommands, PullWritesTheFileTheHandsetStartedFrom)
{
    Phonebook original;
    original.SetIdentity({0x01020304, 0x0506});
    FillBook(original, 12);
    ASSERT_EQ(PhonebookFile::Save(Path("book.opbk"), original), Msg::Ok);

    SimHandset& h = StartHandset();
    std::string error;
    ASSERT_TRUE(h.LoadPhonebook(Path("book.opbk").toStdString(), &error)) << error;
    ASSERT_EQ(RunPullCommand(Console(), Path("a.opbk")), 0) << err.Text();
    EXPECT_EQ(ReadAll(Path("a.opbk")), ReadAll(Path("book.opbk")));

    ASSERT_EQ(RunShowCommand(Console(), Path("a.opbk")), 0);
    const std::string shown = out.Text();
    EXPECT_NE(shown.find("Identity: 040302010605"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Name 12\t5550012\n"), std::string::npos) << shown;
}

TEST_F(PhonebookCommands, PushAsksFirstAndSendsTheCompleteEntries)
{
    SimHandset& h = StartHandset();
    h.AddContact("Old", "1");
    Phonebook book;
    book.Append(MakeEntry("Keep", "123"));
    book.Append(MakeEntry("No number", ""));
    book.Append(MakeEntry("", "456"));
    book.Append(MakeEntry("Also", "789"));
    ASSERT_EQ(PhonebookFile::Save(Path("p.opbk"), book), Msg::Ok);

    // Nobody at a terminal to answer: taken as No, nothing sent.
    EXPECT_EQ(RunPushCommand(Console(), Path("p.opbk")), 1);
    EXPECT_EQ(h.Phonebook().size(), 1u);
    EXPECT_NE(err.Text().find("overwrite the phonebook"), std::string::npos);

    // Yes to the overwrite, No to leaving entries out.
    std::fputs("y\nn\n", in.File());
    std::rewind(in.File());
    CommandConsole asking = Console();
    asking.canAsk = true;
    EXPECT_EQ(RunPushCommand(asking, Path("p.opbk")), 1);
    EXPECT_EQ(h.Phonebook().size(), 1u);
    EXPECT_NE(err.Text().find("empty names and/or phone numbers"), std::string::npos);

    CommandConsole yes = Console();
    yes.assumeYes = true;
    ASSERT_EQ(RunPushCommand(yes, Path("p.opbk")), 0) << err.Text();
    ASSERT_EQ(RunPullCommand(Console(), Path("back.opbk")), 0);
    Phonebook back;
    ASSERT_EQ(PhonebookFile::Load(Path("back.opbk"), back), Msg::Ok);
    ASSERT_EQ(back.Count(), 2u);
    EXPECT_EQ(back.Entry(0)->name, "Keep");
    EXPECT_EQ(back.Entry(1)->name, "Also");
}

// A file with no entry to send (a new, empty book; or entries that all lack a number) would
// only wipe the handset: push says so, with the handset's count, and takes anything but y as No.
TEST_F(PhonebookCommands, PushOfNoEntriesSaysItDeletesTheHandsetsEntries)
{
    SimHandset& h = StartHandset();
    for (int i = 0; i < 12; ++i)
        h.AddContact("Kept " + std::to_string(i), "555");
    ASSERT_EQ(PhonebookFile::Save(Path("empty.opbk"), Phonebook()), Msg::Ok);
    Phonebook numberless;
    numberless.Append(MakeEntry("Only a name", ""));
    ASSERT_EQ(PhonebookFile::Save(Path("numberless.opbk"), numberless), Msg::Ok);

    for (const char* file : {"empty.opbk", "numberless.opbk"}) {
        std::fputs("n\n", in.File());
        std::rewind(in.File());
        CommandConsole asking = Console();
        asking.canAsk = true;
        EXPECT_EQ(RunPushCommand(asking, Path(file)), 1) << file;
        EXPECT_NE(err.Text().find("This deletes all 12 entries on the handset."), std::string::npos) << err.Text();
        EXPECT_EQ(err.Text().find("overwrite the phonebook"), std::string::npos) << err.Text();
        EXPECT_EQ(h.Phonebook().size(), 12u) << file;
        std::rewind(in.File());
    }

    // --yes: the handset's book goes, as asked for.
    CommandConsole yes = Console();
    yes.assumeYes = true;
    ASSERT_EQ(RunPushCommand(yes, Path("empty.opbk")), 0) << err.Text();
    Settle();
    EXPECT_TRUE(h.Phonebook().empty());
    EXPECT_NE(out.Text().find("Sent 0 entries"), std::string::npos) << out.Text();
}

TEST_F(PhonebookCommands, FailuresPrintTheirMessage)
{
    EXPECT_EQ(RunInfoCommand(Console()), 1);
    EXPECT_NE(err.Text().find("Error: Phone not found."), std::string::npos);
    EXPECT_EQ(RunShowCommand(Console(), Path("missing.opbk")), 1);
    EXPECT_NE(err.Text().find("Error: Could not read file."), std::string::npos);
    SimConfig c;
    c.name = "Kitchen";
    StartHandset(c);
    EXPECT_EQ(RunInfoCommand(Console()), 0);
    EXPECT_NE(out.Text().find("Name: Kitchen\nIdentity: 123456789abc\n"), std::string::npos);
    EXPECT_EQ(RunPullCommand(Console(), Path("missing/a.opbk")), 1);
    EXPECT_NE(err.Text().find("Error: Could not write to the file."), std::string::npos);
}

// Ctrl+C, as the terminal sends it, `ms` from now.
std::thread InterruptAfter(int ms)
{
    return std::thread([ms] {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        ::kill(::getpid(), SIGINT);
    });
}

TEST_F(PhonebookCommands, CtrlCCancelsAPull)
{
    SlowHandsetWith(50, 100);
    std::thread interrupt = InterruptAfter(300);
    EXPECT_EQ(RunPullCommand(Console(), Path("a.opbk")), 1);
    interrupt.join();
    EXPECT_NE(err.Text().find("Data transfer canceled."), std::string::npos) << err.Text();
    EXPECT_FALSE(QFile::exists(Path("a.opbk")));
}

// Ctrl+C at many moments of a push to a handset on a slow bus (the information read, the
// backup's receive and save, the download): whenever it came before the download began, the
// handset still holds its whole book.
TEST_F(PhonebookCommands, CtrlCBeforeTheDownloadLeavesTheHandsetsBookWhole)
{
    SimHandset& h = SlowHandsetWith(400, 30);
    const auto original = h.Phonebook();
    Phonebook mine;
    FillBook(mine, 10);
    ASSERT_EQ(PhonebookFile::Save(Path("mine.opbk"), mine), Msg::Ok);
    CommandConsole yes = Console();
    yes.assumeYes = true;
    // A signal that comes before the push sets up its own handler must not end the test.
    struct sigaction ignore {};
    ignore.sa_handler = [](int) {};
    struct sigaction previous {};
    ::sigaction(SIGINT, &ignore, &previous);
    int before = 0;
    for (int ms : {30, 60, 90, 120, 150, 180}) {
        h.ClearCommands();
        std::thread interrupt = InterruptAfter(ms);
        const int code = RunPushCommand(yes, Path("mine.opbk"));
        interrupt.join();
        Settle();
        bool downloadBegan = false;
        for (const SimCommandLog& cmd : h.Commands())
            downloadBegan = downloadBegan || (cmd.op == OP_CONTROL && cmd.function == FN_BEGIN_DOWNLOAD);
        if (downloadBegan)
            break;  // the handset no longer holds the original book
        ++before;
        EXPECT_EQ(code, 1) << ms;
        EXPECT_EQ(h.Phonebook(), original) << "interrupted after " << ms << " ms";
    }
    ::sigaction(SIGINT, &previous, nullptr);
    EXPECT_GE(before, 3);
}

TEST_F(PhonebookCommands, PushKeepsTheHandsetsBookFirstAndSaysWhatAStoppedSendLeft)
{
    QDir(PhonebookBackups::Folder()).removeRecursively();
    SimHandset& h = StartHandset();
    for (int i = 0; i < 5; ++i)
        h.AddContact("Newer " + std::to_string(i), "55500" + std::to_string(i));
    Phonebook old;
    FillBook(old, 30);
    ASSERT_EQ(PhonebookFile::Save(Path("old.opbk"), old), Msg::Ok);
    CommandConsole yes = Console();
    yes.assumeYes = true;

    // A refused receive keeps nothing, so nothing is sent: the handset's book stays.
    SimFaults faults;
    faults.refuseCode = 3;
    h.SetFaults(faults);
    EXPECT_EQ(RunPushCommand(yes, Path("old.opbk")), 1);
    EXPECT_NE(err.Text().find("could not be kept"), std::string::npos);
    h.SetFaults({});
    EXPECT_EQ(h.Phonebook().size(), 5u);
    EXPECT_TRUE(PhonebookBackups::List().isEmpty());

    // The push keeps the newer book, which `show` reads back, and `backups` lists.
    ASSERT_EQ(RunPushCommand(yes, Path("old.opbk")), 0) << err.Text();
    EXPECT_EQ(h.Phonebook().size(), 30u);
    const QStringList backups = PhonebookBackups::List();
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(QFileInfo(backups[0]).fileName().startsWith(QStringLiteral("Orvak Handset 20")));
    EXPECT_EQ(RunShowCommand(Console(), backups[0]), 0);
    EXPECT_NE(out.Text().find("Newer 4\t555004"), std::string::npos);
    ASSERT_EQ(RunBackupsCommand(Console()), 0);
    EXPECT_NE(out.Text().find(backups[0].toStdString()), std::string::npos);

    // A send that fails after the handset's book was cleared says what is left there and how to
    // put the kept book back.
    h.SetWriteReply(std::vector<std::uint8_t>{1, 2});
    EXPECT_EQ(RunPushCommand(yes, Path("old.opbk")), 1);
    // The handset took the first record, though its answer was wrong: it says so itself.
    EXPECT_NE(err.Text().find("the handset now holds 1 of the 30 entries"), std::string::npos) << err.Text();
    EXPECT_NE(err.Text().find("To send its previous phone book back: dialbook push '"), std::string::npos);
    h.SetWriteReply(std::nullopt);
    EXPECT_EQ(PhonebookBackups::List().size(), 2);
    ASSERT_EQ(RunPushCommand(yes, Path("old.opbk"), false), 0);
    EXPECT_EQ(PhonebookBackups::List().size(), 2) << "--no-backup keeps none";

    // The 20 newest of a handset are kept.
    const QString folder = PhonebookBackups::Folder();
    const QDateTime start(QDate(2026, 1, 1), QTime(8, 0));
    QString last;
    for (int i = 0; i <= 21; ++i) {
        // The last one is the backup just written.
        last = PhonebookBackups::PathFor(folder, "Kitchen", start.addSecs(i == 21 ? 30 : i));
        ASSERT_EQ(PhonebookFile::Save(last, old), Msg::Ok);
    }
    PhonebookBackups::Prune(last);
    QStringList kitchen = PhonebookBackups::List().filter(QStringLiteral("Kitchen"));
    ASSERT_EQ(kitchen.size(), 20);
    EXPECT_TRUE(kitchen.last().endsWith(QStringLiteral("Kitchen 2026-01-01 08.00.02.opbk")));
    EXPECT_EQ(PhonebookBackups::List().size(), 22) << "other handsets' backups stay";
}

}  // namespace
