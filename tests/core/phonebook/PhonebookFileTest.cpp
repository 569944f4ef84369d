// The "opbk" file, byte for byte, and what a broken or hostile file does.

#include "support/PhonebookHelpers.h"

#include "core/phonebook/BookFolder.h"
#include "core/phonebook/PhonebookFile.h"
#include "core/phonebook/PhonebookRecord.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

namespace {

// Named for the class it tests: `::PhonebookFile` is that class.
class PhonebookFile : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

QByteArray Header(std::uint16_t count)
{
    QByteArray h(1036, '\0');
    h[10] = static_cast<char>(count & 0xFF);
    h[11] = static_cast<char>(count >> 8);
    return h;
}

TEST_F(PhonebookFile, EmptyBookIsAHeaderOnly)
{
    Phonebook book;
    ASSERT_EQ(::PhonebookFile::Save(Path("empty.opbk"), book), Msg::Ok);
    const QByteArray bytes = ReadAll(Path("empty.opbk"));
    EXPECT_EQ(bytes, Header(0));
    Phonebook loaded;
    loaded.Append(MakeEntry("old", "1"));
    EXPECT_EQ(::PhonebookFile::Load(Path("empty.opbk"), loaded), Msg::Ok);
    EXPECT_EQ(loaded.Count(), 0u);
}

TEST_F(PhonebookFile, RecordsAreWrittenByteForByte)
{
    Phonebook book;
    book.SetIdentity({0x78563412, 0xBC9A});
    auto e = MakeEntry("Bob", "*67#P12");
    e.headerTag = {4, 2, 0x0102};
    e.choice1 = {1, 2, 0x0304};
    book.Append(std::move(e));
    book.Append(MakeEntry("ABCDEFGHIJKLMNOP", "555-1234"));
    ASSERT_EQ(::PhonebookFile::Save(Path("b.opbk"), book), Msg::Ok);
    const QByteArray b = ReadAll(Path("b.opbk"));
    ASSERT_EQ(b.size(), 1036 + 2 * 45);
    EXPECT_EQ(b.mid(4, 6), QByteArray::fromHex("123456789abc"));
    EXPECT_EQ(b.mid(10, 2), QByteArray::fromHex("0200"));

    const QByteArray r0 = b.mid(1036, 45);
    EXPECT_EQ(r0.mid(0, 4), QByteArray::fromHex("04020201"));
    EXPECT_EQ(r0.mid(4, 16), QByteArray("Bob") + QByteArray(13, '\0'));
    EXPECT_EQ(r0.mid(20, 17), QByteArray::fromHex("07a67be120") + QByteArray(12, '\0'));
    EXPECT_EQ(r0.mid(37, 8), QByteArray::fromHex("0102040300ff0000"));

    const QByteArray r1 = b.mid(1036 + 45, 45);
    EXPECT_EQ(r1.mid(0, 4), QByteArray::fromHex("ffffffff"));
    EXPECT_EQ(r1.mid(4, 16), QByteArray("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(r1.mid(20, 5), QByteArray::fromHex("0755512340"));

    Phonebook loaded;
    ASSERT_EQ(::PhonebookFile::Load(Path("b.opbk"), loaded), Msg::Ok);
    ASSERT_EQ(loaded.Count(), 2u);
    EXPECT_EQ(loaded.Identity(), book.Identity());
    EXPECT_EQ(loaded.Entry(0)->name, "Bob");
    EXPECT_EQ(loaded.Entry(0)->number, "*67#P12");
    EXPECT_EQ(loaded.Entry(0)->headerTag, (EntryTag{4, 2, 0x0102}));
    EXPECT_EQ(loaded.Entry(0)->choice1, (EntryTag{1, 2, 0x0304}));
    EXPECT_EQ(loaded.Entry(1)->name, "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(loaded.Entry(1)->number, "5551234");
    EXPECT_EQ(loaded.Entry(0)->sourceIndex, 0);
    EXPECT_EQ(loaded.Entry(1)->sourceIndex, 1);
}

TEST_F(PhonebookFile, SizeCountAndMagicDecide)
{
    Phonebook book;
    FillBook(book, 3);
    ASSERT_EQ(::PhonebookFile::Save(Path("three.opbk"), book), Msg::Ok);
    const QByteArray good = ReadAll(Path("three.opbk"));

    struct Case {
        const char* what;
        QByteArray bytes;
        Msg expected;
    };
    QByteArray badMagic = good;
    badMagic[2] = 1;
    QByteArray countTooLarge = good;
    countTooLarge[10] = 4;
    QByteArray reserved = good;
    reserved.replace(12, 1024, QByteArray(1024, '\x7F'));
    const Case cases[] = {
        {"ten spare bytes", good + QByteArray(10, 'x'), Msg::Ok},
        {"44 spare bytes", good + QByteArray(44, 'x'), Msg::Ok},
        {"45 spare bytes", good + QByteArray(45, 'x'), Msg::FileReadFailed},
        {"count one more than the records", countTooLarge, Msg::FileReadFailed},
        {"first four bytes not zero", badMagic, Msg::FileReadFailed},
        {"reserved bytes hold anything", reserved, Msg::Ok},
        {"shorter than the header", good.left(1035), Msg::FileReadFailed},
        {"empty", QByteArray(), Msg::FileReadFailed},
    };
    for (const Case& c : cases) {
        WriteAll(Path("case.opbk"), c.bytes);
        Phonebook loaded;
        loaded.SetIdentity({1, 1});
        EXPECT_EQ(::PhonebookFile::Load(Path("case.opbk"), loaded), c.expected) << c.what;
        if (c.expected != Msg::Ok) {
            EXPECT_EQ(loaded.Count(), 0u) << c.what;
            EXPECT_EQ(loaded.Identity(), HandsetIdentity{}) << c.what;
        } else {
            EXPECT_EQ(loaded.Count(), 3u) << c.what;
        }
    }
    Phonebook missing;
    EXPECT_EQ(::PhonebookFile::Load(Path("not-there.opbk"), missing), Msg::FileReadFailed);
}

TEST_F(PhonebookFile, MoreEntriesThanTheEditorAllowsStillLoad)
{
    Phonebook book;
    FillBook(book, 150);
    ASSERT_EQ(::PhonebookFile::Save(Path("150.opbk"), book), Msg::Ok);
    Phonebook loaded;
    ASSERT_EQ(::PhonebookFile::Load(Path("150.opbk"), loaded), Msg::Ok);
    EXPECT_EQ(loaded.Count(), 150u);
    EXPECT_EQ(loaded.Entry(149)->sourceIndex, 149);
}

TEST_F(PhonebookFile, AFailedSaveLeavesThePreviousFileWhole)
{
    Phonebook small;
    FillBook(small, 1);
    ASSERT_EQ(::PhonebookFile::Save(Path("keep.opbk"), small), Msg::Ok);
    const QByteArray before = ReadAll(Path("keep.opbk"));

    // A full disk: the file size limit stops the write part-way.
    Phonebook big;
    FillBook(big, 100);
    const auto previousHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limit = previous;
    limit.rlim_cur = 2000;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const Msg full = ::PhonebookFile::Save(Path("keep.opbk"), big);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    ::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(full, Msg::FileWriteFailed);
    EXPECT_EQ(ReadAll(Path("keep.opbk")), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.opbk")}) << "no leftovers";

    // A folder that is not there.
    EXPECT_EQ(::PhonebookFile::Save(Path("missing/book.opbk"), small), Msg::FileWriteFailed);
}

TEST_F(PhonebookFile, CountBeyondSixteenBitsIsRefusedNotTruncated)
{
    Phonebook small;
    FillBook(small, 1);
    ASSERT_EQ(::PhonebookFile::Save(Path("keep.opbk"), small), Msg::Ok);
    const QByteArray before = ReadAll(Path("keep.opbk"));
    Phonebook huge;
    for (int i = 0; i < 65536; ++i)
        huge.Append(PhonebookEntry{});
    EXPECT_EQ(::PhonebookFile::Save(Path("keep.opbk"), huge), Msg::FileWriteFailed);
    EXPECT_EQ(ReadAll(Path("keep.opbk")), before);
    huge.Remove(0);
    EXPECT_EQ(::PhonebookFile::Save(Path("max.opbk"), huge), Msg::Ok);
    EXPECT_EQ(ReadAll(Path("max.opbk")).size(), 1036 + 45 * 65535);
}

TEST_F(PhonebookFile, DecodingAShortRecordIsRefused)
{
    PhonebookEntry e;
    e.name = "keep";
    const std::vector<std::uint8_t> shortRecord(44, 'A');
    EXPECT_FALSE(PhonebookRecord::Decode(0, shortRecord, e));
    EXPECT_EQ(e.name, "keep");
}

TEST(BookFolder, IsMadeInTheDocumentsFolder)
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toUtf8());
    const QString folder = DefaultBookFolder();
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    EXPECT_EQ(folder, home.path() + QStringLiteral("/Documents/Orvak Dialbook/My Phonebooks/"));
    EXPECT_TRUE(QDir(folder).exists());
}

TEST(PhonebookEntry, StartsBlankAndCopiesWhole)
{
    PhonebookEntry e;
    EXPECT_TRUE(e.name.empty());
    EXPECT_EQ(e.headerTag, (EntryTag{255, 255, 0xFFFF}));
    EXPECT_EQ(e.choice1, (EntryTag{0, 255, 0}));
    EXPECT_EQ(e.choice2, (EntryTag{0, 255, 0}));
    EXPECT_EQ(e.sourceIndex, -1);
    e.name = "N";
    e.number = "1";
    e.choice2 = {1, 2, 3};
    e.sourceIndex = 7;
    Phonebook book;
    book.Append(e);
    PhonebookEntry copy;
    ASSERT_TRUE(book.CopyEntry(0, copy));
    EXPECT_EQ(copy.name, "N");
    EXPECT_EQ(copy.choice2, (EntryTag{1, 2, 3}));
    EXPECT_EQ(copy.sourceIndex, 7);
    EXPECT_FALSE(book.CopyEntry(1, copy));
    EXPECT_EQ(book.Entry(1), nullptr);
    book.SetIdentity({5, 5});
    book.Clear();
    EXPECT_EQ(book.Count(), 0u);
    EXPECT_EQ(book.Identity(), HandsetIdentity{});
}

}  // namespace
