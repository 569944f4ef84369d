// `dialbook sync` against a simulated handset: what reaches each side, what it prints, and what
// it leaves alone when it refuses, stops or only looks.

#include "cli/PhonebookCommands.h"
#include "core/phonebook/PhonebookBackups.h"
#include "core/phonebook/PhonebookFile.h"
#include "core/phonebook/PhonebookRecord.h"
#include "core/transfer/ProtocolCodes.h"
#include "support/Captured.h"
#include "support/PhonebookHelpers.h"
#include "support/SimFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

// The simulated handset's identity, as the base's file name gives it.
constexpr char kHandsetHex[] = "123456789abc";

std::vector<PhonebookEntry> Entries(const Phonebook& book)
{
    std::vector<PhonebookEntry> entries;
    for (std::size_t i = 0; i < book.Count(); ++i)
        entries.push_back(*book.Entry(i));
    return entries;
}

// "Name  number" of each entry, to compare books as a person reads them.
std::vector<std::string> Lines(const std::vector<PhonebookEntry>& entries)
{
    std::vector<std::string> lines;
    for (const PhonebookEntry& e : entries)
        lines.push_back(e.name + "  " + e.number);
    return lines;
}

unsigned Mode(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

class SyncCommand : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        // The tests of one run share a home: each starts with no base and no backup.
        QDir(StateFolder()).removeRecursively();
        QDir(PhonebookBackups::Folder()).removeRecursively();
    }

    CommandConsole Console(bool yes = true)
    {
        CommandConsole c;
        c.out = out.File();
        c.err = err.File();
        c.in = in.File();
        c.assumeYes = yes;
        return c;
    }
    int Sync(SyncRequest request = {}, bool yes = true) { return RunSyncCommand(Console(yes), Book(), request); }

    QString Book() const { return dir.filePath(QStringLiteral("book.opbk")); }
    // Where the base is kept, as the program's documentation says.
    static QString StateFolder() { return QDir::homePath() + QStringLiteral("/.local/state/orvak-dialbook"); }
    static QString HandsetBases() { return StateFolder() + QStringLiteral("/sync/") + kHandsetHex; }
    // The handset's one base, when there is one.
    static QString BasePath()
    {
        const QDir folder(HandsetBases());
        const QStringList bases = folder.entryList({QStringLiteral("*.opbk")}, QDir::Files);
        return folder.filePath(bases.isEmpty() ? QStringLiteral("none") : bases.first());
    }

    // BOOK holds `entries`, as if edited in the window: the identity it has stays.
    void WriteBook(const std::vector<PhonebookEntry>& entries)
    {
        Phonebook book;
        if (PhonebookFile::Load(Book(), book) != Msg::Ok)
            book.ClearIdentity();
        const HandsetIdentity identity = book.Identity();
        book.Clear();
        book.SetIdentity(identity);
        for (const PhonebookEntry& e : entries)
            book.Append(e);
        ASSERT_EQ(PhonebookFile::Save(Book(), book), Msg::Ok);
    }
    std::vector<PhonebookEntry> ReadBook()
    {
        Phonebook book;
        EXPECT_EQ(PhonebookFile::Load(Book(), book), Msg::Ok);
        return Entries(book);
    }
    void SetHandset(SimHandset& h, const std::vector<PhonebookEntry>& entries) { LoadIntoHandset(h, entries, dir); }
    // Runs the sync on a terminal that answers its question with "y" once `meanwhile` has run.
    int SyncAnsweringYesAfter(const std::function<void()>& meanwhile)
    {
        int answer[2];
        EXPECT_EQ(::pipe(answer), 0);
        std::FILE* typed = ::fdopen(answer[0], "r");
        CommandConsole asking = Console(false);
        asking.canAsk = true;
        asking.in = typed;
        const QString shownErr = QStringLiteral("/proc/self/fd/%1").arg(::fileno(err.File()));
        const qsizetype asked = ReadAll(shownErr).count("[y/N]");
        std::thread person([&] {
            // The question comes once the handset's book is in.
            for (int i = 0; i < 1000 && ReadAll(shownErr).count("[y/N]") == asked; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            meanwhile();
            EXPECT_EQ(::write(answer[1], "y\n", 2), 2);
            ::close(answer[1]);
        });
        const int status = RunSyncCommand(asking, Book(), {});
        person.join();
        std::fclose(typed);
        return status;
    }
    static bool DownloadBegan(const SimHandset& h)
    {
        for (const SimCommandLog& cmd : h.Commands())
            if (cmd.op == OP_CONTROL && cmd.function == FN_BEGIN_DOWNLOAD)
                return true;
        return false;
    }

    Captured out, err, in;
    QTemporaryDir dir;
};

// The first sync of a handset takes the entries of both books, those alike once, sends the
// union and saves it, and keeps it as the base where only this user may read it. A sync right
// after it finds both sides in step and touches neither.
TEST_F(SyncCommand, FirstSyncTakesBothBooksOnceThenFindsThemInStep)
{
    SimHandset& h = StartHandset();
    SetHandset(h, {MakeEntry("Ana Lima", "5550101"), MakeEntry("Bo", "5550102")});
    WriteBook({MakeEntry("Ana Lima", "5550101"), MakeEntry("No number yet", ""), MakeEntry("Cy", "5550103")});
    const QByteArray before = ReadAll(Book());

    // Nobody at a terminal and no --yes: the question is taken as No, and nothing happens.
    EXPECT_EQ(Sync({}, false), 1);
    EXPECT_NE(err.Text().find("Send the merged phone book to the handset and save it in"), std::string::npos)
        << err.Text();
    // --dry-run prints the same plan and stops.
    SyncRequest dryRun;
    dryRun.dryRun = true;
    EXPECT_EQ(Sync(dryRun), 0) << err.Text();
    EXPECT_NE(out.Text().find("Nothing sent, nothing written (--dry-run)."), std::string::npos) << out.Text();
    EXPECT_EQ(ReadAll(Book()), before);
    EXPECT_EQ(HandsetEntries(h).size(), 2u);
    EXPECT_FALSE(QFileInfo::exists(StateFolder()));
    EXPECT_TRUE(PhonebookBackups::List().isEmpty());

    ASSERT_EQ(Sync(), 0) << err.Text();
    const std::string shown = out.Text();
    EXPECT_NE(shown.find("added             on the handset: Bo  5550102\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("added             on the computer: Cy  5550103\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("2 added, 0 changed, 0 deleted, 0 kept over a deletion, 0 in conflict; 3 of 100 entries."),
              std::string::npos)
        << shown;
    EXPECT_NE(shown.find("Sent 3 entries\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Saved " + Book().toStdString() + "\n"), std::string::npos) << shown;
    // The entry without a number stays in the book, after the merged ones, and never goes.
    EXPECT_NE(shown.find("1 entry without a name or a number stays in the computer's book"), std::string::npos) << shown;
    const std::vector<std::string> merged{"Ana Lima  5550101", "Bo  5550102", "Cy  5550103"};
    EXPECT_EQ(Lines(HandsetEntries(h)), merged);
    std::vector<std::string> kept = merged;
    kept.push_back("No number yet  ");
    EXPECT_EQ(Lines(ReadBook()), kept);
    ASSERT_EQ(PhonebookBackups::List().size(), 1) << "the handset's book is kept before the send";

    ASSERT_TRUE(QFileInfo::exists(BasePath()));
    EXPECT_EQ(Mode(BasePath()), 0600u);
    for (const QString& folder : {StateFolder(), StateFolder() + QStringLiteral("/sync"), HandsetBases()})
        EXPECT_EQ(Mode(folder), 0700u) << qPrintable(folder);

    // In step: nothing sent to the handset, the book not rewritten, the base not rewritten.
    const QByteArray synced = ReadAll(Book());
    const QDateTime bookTime = QFileInfo(Book()).lastModified();
    const QDateTime baseTime = QFileInfo(BasePath()).lastModified();
    h.ClearCommands();
    ASSERT_EQ(Sync(), 0) << err.Text();
    EXPECT_NE(out.Text().find("The handset and " + Book().toStdString() +
                              " are already in step: nothing sent, nothing written.\n"),
              std::string::npos)
        << out.Text();
    Settle();
    EXPECT_FALSE(DownloadBegan(h));
    EXPECT_EQ(Lines(HandsetEntries(h)), merged);
    EXPECT_EQ(ReadAll(Book()), synced);
    EXPECT_EQ(QFileInfo(Book()).lastModified(), bookTime);
    EXPECT_EQ(QFileInfo(BasePath()).lastModified(), baseTime);
    EXPECT_EQ(PhonebookBackups::List().size(), 1);
}

// A book pulled from the handset is in step with it on the first sync, but its base is kept all
// the same: otherwise an entry deleted on one side afterwards would come back from the other in
// the union of another first sync.
TEST_F(SyncCommand, AlikeBooksKeepABaseSoThatALaterDeletionHolds)
{
    SimHandset& h = StartHandset();
    const std::vector<PhonebookEntry> both{MakeEntry("Ana", "5550101"), MakeEntry("Bo", "5550102")};
    SetHandset(h, both);
    ASSERT_EQ(RunPullCommand(Console(), Book()), 0) << err.Text();
    h.ClearCommands();
    ASSERT_EQ(Sync(), 0) << err.Text();
    Settle();
    EXPECT_FALSE(DownloadBegan(h));
    EXPECT_NE(out.Text().find("already in step"), std::string::npos) << out.Text();
    EXPECT_TRUE(QFileInfo::exists(BasePath()));

    WriteBook({both[0]});
    ASSERT_EQ(Sync(), 0) << err.Text();
    EXPECT_NE(out.Text().find("deleted           on the computer: Bo  5550102\n"), std::string::npos) << out.Text();
    EXPECT_EQ(Lines(HandsetEntries(h)), std::vector<std::string>{"Ana  5550101"});
}

// After a first sync, each side's additions, changes and deletions reach the other; the handset
// keeps its choices for its entries, and the book gets them too.
TEST_F(SyncCommand, SecondSyncCarriesEachSidesEditsAndKeepsTheHandsetsChoices)
{
    SimHandset& h = StartHandset();
    std::vector<PhonebookEntry> start;
    int number = 1;
    for (const char* name : {"Ana", "Bo", "Cy", "Di", "Ed"}) {
        PhonebookEntry e = MakeEntry(name, "555010" + std::to_string(number++));
        e.choice1 = {3, 7, 0x0102};
        e.choice2 = {4, 9, 0x0304};
        start.push_back(e);
    }
    start[0].choice1 = {5, 1, 0x0A0B};
    SetHandset(h, start);
    WriteBook({});
    ASSERT_EQ(Sync(), 0) << err.Text();
    EXPECT_EQ(Lines(ReadBook()), Lines(start));

    // On the handset: Ana's number changed, Cy deleted, Fay added. On the computer: Bo renamed,
    // Di deleted, Gus added.
    std::vector<PhonebookEntry> handset = HandsetEntries(h);
    handset[0].number = "5550100";
    handset.erase(handset.begin() + 2);
    handset.push_back(MakeEntry("Fay", "5550106"));
    SetHandset(h, handset);
    std::vector<PhonebookEntry> computer = ReadBook();
    computer[1].name = "Bob";
    computer.erase(computer.begin() + 3);
    computer.push_back(MakeEntry("Gus", "5550107"));
    WriteBook(computer);

    ASSERT_EQ(Sync(), 0) << err.Text();
    const std::string shown = out.Text();
    for (const char* line : {"changed           on the handset: Ana  5550101 -> Ana  5550100\n",
                             "changed           on the computer: Bo  5550102 -> Bob  5550102\n",
                             "deleted           on the handset: Cy  5550103\n",
                             "deleted           on the computer: Di  5550104\n",
                             "added             on the handset: Fay  5550106\n",
                             "added             on the computer: Gus  5550107\n"})
        EXPECT_NE(shown.find(line), std::string::npos) << line << shown;
    const std::vector<std::string> merged{"Ana  5550100", "Bob  5550102", "Ed  5550105", "Fay  5550106",
                                          "Gus  5550107"};
    const std::vector<PhonebookEntry> now = HandsetEntries(h);
    const std::vector<PhonebookEntry> book = ReadBook();
    EXPECT_EQ(Lines(now), merged);
    EXPECT_EQ(Lines(book), merged);

    // The entries the handset had keep its choices, on it and in the book; the others have the
    // defaults.
    for (const auto& entries : {now, book}) {
        EXPECT_EQ(Named(entries, "Ana").choice1, (EntryTag{5, 1, 0x0A0B}));
        EXPECT_EQ(Named(entries, "Bob").choice1, (EntryTag{3, 7, 0x0102}));
        for (const char* name : {"Ana", "Bob", "Ed"})
            EXPECT_EQ(Named(entries, name).choice2, (EntryTag{4, 9, 0x0304})) << name;
        EXPECT_EQ(Named(entries, "Gus").choice1, PhonebookEntry().choice1);
    }
}

// An entry changed differently on both sides takes the computer's version unless --prefer
// handset; either way both sides end up with the version taken.
TEST_F(SyncCommand, AConflictTakesThePreferredSide)
{
    SimHandset& h = StartHandset();
    SetHandset(h, {MakeEntry("Ana", "5550101"), MakeEntry("Bo", "5550102")});
    WriteBook({});
    ASSERT_EQ(Sync(), 0) << err.Text();

    SetHandset(h, {MakeEntry("Ana", "5550111"), MakeEntry("Bo", "5550102")});
    WriteBook({MakeEntry("Ana", "5550199"), MakeEntry("Bo", "5550102")});
    ASSERT_EQ(Sync(), 0) << err.Text();
    EXPECT_NE(out.Text().find("conflict          handset: Ana  5550111 | computer: Ana  5550199 (the computer's taken)\n"),
              std::string::npos)
        << out.Text();
    const std::vector<std::string> computers{"Ana  5550199", "Bo  5550102"};
    EXPECT_EQ(Lines(HandsetEntries(h)), computers);
    EXPECT_EQ(Lines(ReadBook()), computers);

    SetHandset(h, {MakeEntry("Ana", "5550122"), MakeEntry("Bo", "5550102")});
    WriteBook({MakeEntry("Ana", "5550133"), MakeEntry("Bo", "5550102")});
    SyncRequest handsetWins;
    handsetWins.prefer = MergePreference::Handset;
    ASSERT_EQ(Sync(handsetWins), 0) << err.Text();
    EXPECT_NE(out.Text().find("handset: Ana  5550122 | computer: Ana  5550133 (the handset's taken)\n"),
              std::string::npos)
        << out.Text();
    const std::vector<std::string> handsets{"Ana  5550122", "Bo  5550102"};
    EXPECT_EQ(Lines(HandsetEntries(h)), handsets);
    EXPECT_EQ(Lines(ReadBook()), handsets);
    EXPECT_NE(out.Text().find("Saved "), std::string::npos);
}

// A merge of more entries than the handset holds is refused before anything is sent or written:
// no backup, no base, the book and the handset as they were.
TEST_F(SyncCommand, MoreThanAHundredIsRefusedWithNothingWritten)
{
    SimHandset& h = StartHandset();
    std::vector<PhonebookEntry> handset, computer;
    for (int i = 0; i < 60; ++i) {
        handset.push_back(MakeEntry("Handset " + std::to_string(i), "111" + std::to_string(i)));
        computer.push_back(MakeEntry("Computer " + std::to_string(i), "222" + std::to_string(i)));
    }
    SetHandset(h, handset);
    WriteBook(computer);
    const QByteArray before = ReadAll(Book());
    const auto records = h.Phonebook();
    h.ClearCommands();

    EXPECT_EQ(Sync(), 1);
    EXPECT_NE(err.Text().find("would hold 120 entries (the handset's has 60, the computer's 60)"), std::string::npos)
        << err.Text();
    EXPECT_EQ(out.Text(), "");
    Settle();
    EXPECT_FALSE(DownloadBegan(h));
    EXPECT_EQ(h.Phonebook(), records);
    EXPECT_EQ(ReadAll(Book()), before);
    EXPECT_FALSE(QFileInfo::exists(StateFolder()));
    EXPECT_TRUE(PhonebookBackups::List().isEmpty());
}

// The handset vanishes halfway through the send: the command says what the handset may hold and
// how to put its book back, and leaves the book as it was. The handset's base no longer says
// what it holds, so it goes: the next sync keeps the entries of both sides, and none that the
// handset lost on the way is taken for a deletion.
TEST_F(SyncCommand, ASendThatStopsHalfwayLeavesTheBookAndTheNextSyncLosesNothing)
{
    SimHandset& h = StartHandset();
    SetHandset(h, {MakeEntry("Ana", "5550101")});
    WriteBook({});
    ASSERT_EQ(Sync(), 0) << err.Text();
    ASSERT_TRUE(QFileInfo::exists(BasePath()));

    std::vector<PhonebookEntry> computer = ReadBook();
    for (int i = 0; i < 60; ++i)
        computer.push_back(MakeEntry("New " + std::to_string(i), "333" + std::to_string(i)));
    WriteBook(computer);
    const QByteArray before = ReadAll(Book());
    // The receive of one entry takes a few reports, the send of 61 a few each: the connection
    // ends well into the send.
    SimFaults faults;
    faults.disconnectAfter = 100;
    h.SetFaults(faults);

    EXPECT_EQ(Sync(), 1);
    const std::string said = err.Text();
    EXPECT_NE(said.find("To send its previous phone book back: dialbook push '"), std::string::npos) << said;
    EXPECT_NE(said.find("keeps the entries of both sides and deletes none."), std::string::npos) << said;
    EXPECT_NE(out.Text().find("Kept the handset's previous phone book in"), std::string::npos) << out.Text();
    const std::size_t reached = h.Phonebook().size();
    EXPECT_GT(reached, 0u);
    EXPECT_LT(reached, 61u);
    EXPECT_EQ(ReadAll(Book()), before);
    EXPECT_FALSE(QFileInfo::exists(BasePath()));

    // Plugged in again, holding what reached it.
    const std::vector<PhonebookEntry> held = HandsetEntries(h);
    StopHandset(0);
    SimHandset& again = StartHandset({}, "again");
    SetHandset(again, held);
    const std::size_t saidBefore = err.Text().size();
    ASSERT_EQ(Sync(), 0) << err.Text().substr(saidBefore);
    EXPECT_NE(out.Text().find("nothing is deleted"), std::string::npos) << out.Text();
    Settle();
    EXPECT_EQ(ReadBook().size(), 61u);
    EXPECT_EQ(HandsetEntries(again).size(), 61u);
}

// Another book synced with the same handset has no base of its own: the sync keeps both sides'
// entries and deletes none of the handset's. Its send replaced the handset's book, so the first
// book's base goes too: that book's next sync starts afresh.
TEST_F(SyncCommand, AnotherBookSyncedWithTheSameHandsetDeletesNothing)
{
    SimHandset& h = StartHandset();
    SetHandset(h, {MakeEntry("Ana", "5550101"), MakeEntry("Bo", "5550102")});
    WriteBook({MakeEntry("Ana", "5550101"), MakeEntry("Bo", "5550102")});
    ASSERT_EQ(Sync(), 0) << err.Text();
    const QByteArray base = ReadAll(BasePath());
    ASSERT_FALSE(base.isEmpty());

    Phonebook other;
    other.Append(MakeEntry("Zed", "5550199"));
    const QString otherPath = dir.filePath(QStringLiteral("other.opbk"));
    ASSERT_EQ(PhonebookFile::Save(otherPath, other), Msg::Ok);
    ASSERT_EQ(RunSyncCommand(Console(), otherPath, {}), 0) << err.Text();
    EXPECT_EQ(out.Text().find("\ndeleted"), std::string::npos) << out.Text();
    Settle();
    EXPECT_EQ(HandsetEntries(h).size(), 3u);
    EXPECT_EQ(QDir(HandsetBases()).entryList(QDir::Files).size(), 1);
    EXPECT_NE(ReadAll(BasePath()), base);
}

// While the sync asks, someone changes a number on the handset, or adds an entry: nothing is
// sent, so neither is lost, and the book stays as it was.
TEST_F(SyncCommand, AnEntryChangedOnTheHandsetWhileItAsksIsNotOverwritten)
{
    SimHandset& h = StartHandset();
    SetHandset(h, {MakeEntry("Ana", "5550101")});
    WriteBook({MakeEntry("Bo", "5550102")});
    const QByteArray before = ReadAll(Book());
    EXPECT_EQ(SyncAnsweringYesAfter([&] { SetHandset(h, {MakeEntry("Ana", "5550109")}); }), 1);
    EXPECT_NE(err.Text().find("changed after it was received, so nothing was sent"), std::string::npos) << err.Text();
    EXPECT_EQ(Lines(HandsetEntries(h)), (std::vector<std::string>{"Ana  5550109"}));
    EXPECT_EQ(SyncAnsweringYesAfter([&] { h.AddContact("Cy", "5550103"); }), 1);
    EXPECT_EQ(Lines(HandsetEntries(h)), (std::vector<std::string>{"Ana  5550109", "Cy  5550103"}));
    EXPECT_EQ(ReadAll(Book()), before);
}

// The person plugs in another handset while the sync asks: that one keeps its book, and the
// book and the base stay as they were.
TEST_F(SyncCommand, AnotherHandsetPluggedInWhileItAsksKeepsItsBook)
{
    SimHandset& first = StartHandset();
    SetHandset(first, {MakeEntry("Ana", "5550101")});
    WriteBook({MakeEntry("Bo", "5550102")});
    const QByteArray before = ReadAll(Book());
    SimHandset* second = nullptr;
    EXPECT_EQ(SyncAnsweringYesAfter([&] {
                  StopHandset(0);
                  SimConfig other;
                  other.identity = {1, 2, 3, 4, 5, 6};
                  second = &StartHandset(other, "other");
                  second->AddContact("Cy", "5550103");
              }),
              1);

    EXPECT_NE(err.Text().find("is not the one this phone book was kept from"), std::string::npos) << err.Text();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(Lines(HandsetEntries(*second)), std::vector<std::string>{"Cy  5550103"});
    EXPECT_EQ(Lines(HandsetEntries(first)), std::vector<std::string>{"Ana  5550101"});
    EXPECT_EQ(ReadAll(Book()), before);
    EXPECT_FALSE(QFileInfo::exists(BasePath()));
    EXPECT_TRUE(PhonebookBackups::List().isEmpty());
}

}  // namespace
