// Contacts in and out: the delimited reader, the vCard reader, the guess, the import run and
// the export writer.

#include "core/contacts/ContactImport.h"
#include "core/contacts/DelimitedFile.h"
#include "core/contacts/ExportContacts.h"
#include "core/contacts/ImportFieldMap.h"

#include "core/common/Cp1252.h"
#include "support/ContactRow.h"
#include "support/PhonebookHelpers.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// The memory the process holds now.
qint64 ResidentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * ::sysconf(_SC_PAGESIZE);
}

class Contacts : public ::testing::Test {
protected:
    QString Write(const char* name, const QByteArray& bytes) { return WriteIn(dir, name, bytes); }
    // Imports with the guessed mapping into a book of `already` entries.
    ImportOutcome Import(const QString& path, int already = 0, std::optional<ImportFieldMap> map = std::nullopt)
    {
        if (!map) {
            DelimitedFile f;
            f.Read(path);
            map = ImportFieldMap::Guess(f.Headers());
        }
        added.clear();
        ImportOptions options;
        options.map = *map;
        return ImportContacts(
            path, options, already,
            [this](const std::string& name, const std::string& number) {
                added.append(Cp1252::ToUnicode(name) + u'|' + Cp1252::ToUnicode(number));
            },
            &list);
    }

    QTemporaryDir dir;
    QStringList added;
    ContactList list;
};

TEST_F(Contacts, TheReaderSplitsQuotedFieldsAndMendsLineEndsAndTheByteOrderMark)
{
    // A byte-order mark, CR LF line ends, quoted headers, quotes, doubled quotes, text after a
    // closing quote, a quoted line break, an empty line (no row), short and long rows.
    const QString path = Write("a.csv", "\xEF\xBB\xBF\"name\",phone,note\r\n"
                                        "\"Office, Main\",555,\"say \"\"hi\"\"\"\r\n"
                                        "\"ab\"cd,e,\"two\r\nlines\"\r\n"
                                        "\r\n"
                                        "short\r\n"
                                        "a,b,c,d,e\r\n");
    DelimitedFile f;
    ASSERT_TRUE(f.Read(path)) << f.LastError().toStdString();
    EXPECT_EQ(f.Headers(), QStringList({"name", "phone", "note"}));
    EXPECT_EQ(Row(f, 0), QStringList({"Office, Main", "555", "say \"hi\""}));
    EXPECT_EQ(Row(f, 1), QStringList({"abcd", "e", "twolines"}));
    EXPECT_EQ(Row(f, 2), QStringList({"short", "", ""}));
    EXPECT_EQ(Row(f, 3), QStringList({"a", "b", "c"}));
    QString cell;
    EXPECT_EQ(f.GetString(0, 4, cell), -1) << "no row after the last line feed";
    EXPECT_EQ(f.LastError(), QString::fromLatin1(DelimitedFile::kIndexOutOfRange));
    EXPECT_EQ(f.GetHeader(3, cell), -1);

    EXPECT_FALSE(f.Read(Write("empty.csv", "")));
    EXPECT_EQ(f.LastError(), QString::fromLatin1(DelimitedFile::kFileEmpty));
    EXPECT_FALSE(f.Read(dir.filePath(QStringLiteral("missing.csv"))));
    EXPECT_TRUE(f.LastError().startsWith(QString::fromLatin1(DelimitedFile::kFileNotFound) + "\nDetails: "));
    ASSERT_TRUE(f.Read(Write("header.csv", "a,b\n")));
    EXPECT_EQ(f.HeaderCount(), 2);
    EXPECT_EQ(f.GetString(0, 0, cell), -1);
}

TEST_F(Contacts, TheReaderTakesWindows1252AndLongLinesUpToItsBound)
{
    DelimitedFile f;
    ASSERT_TRUE(f.Read(Write("w.csv", "Name,Phone\nO\x92Neil Caf\xE9,1\n")));
    EXPECT_EQ(Row(f, 0).value(0), QString::fromUtf8("O\u2019Neil Caf\u00e9"));

    // 254 columns and one row take room for one row, not for 65 535 rows of every column.
    QByteArray wide = "c0";
    for (int i = 1; i < 254; ++i)
        wide += ",c" + QByteArray::number(i);
    const qint64 before = ResidentBytes();
    DelimitedFile held;
    ASSERT_TRUE(held.Read(Write("wide.csv", wide + "\n" + wide + "\n")));
    EXPECT_LT(ResidentBytes() - before, qint64(16) << 20);
    EXPECT_EQ(held.RowCount(), 1);

    const QByteArray note(900 * 1024, 'x');
    ASSERT_TRUE(f.Read(Write("long.csv", "Name,Notes\nA,\"" + note + "\"\n")));
    EXPECT_EQ(Row(f, 0).value(1).size(), note.size());
    EXPECT_FALSE(f.Read(Write("huge.csv", "Name,Notes\nA,\"" + note + note + "\"\n")));
    EXPECT_EQ(f.LastError(), QString::fromLatin1(DelimitedFile::kUnknownError));
}

TEST_F(Contacts, VCardsOfEachVersionBecomeNamePhoneAndTypedColumns)
{
    const QString path = Write("cards.vcf",
                               "BEGIN:VCARD\r\nVERSION:2.1\r\n"
                               "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=\r\n=F6rg;;;\r\n"
                               "TEL;HOME;VOICE:+49 30 1234\r\nTEL;CELL;PREF:0170 555 66\r\nEND:VCARD\r\n"
                               "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Dr. Ada\r\n  Lovelace\r\nN:Lovelace;Ada;;Dr.;\r\n"
                               "TEL;TYPE=WORK,VOICE:020 7946 0000\r\nTEL;TYPE=CELL:07700 900123\r\nEND:VCARD\r\n"
                               "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Acme\\, Ltd\r\nORG:Acme Ltd;Sales\r\n"
                               "TEL;VALUE=uri;TYPE=\"voice,work\";PREF=1:tel:+1-555-555-0100;ext=102\r\n"
                               "TEL;VALUE=uri;TYPE=fax:tel:+1-555-555-0101\r\nEND:VCARD\r\n");
    DelimitedFile f;
    ASSERT_TRUE(f.Read(path));
    EXPECT_EQ(f.Headers(), QStringList({"Name", "Phone", "Home Phone", "Work Phone", "Fax Phone", "Organization"}));
    EXPECT_EQ(Row(f, 0), QStringList({QString::fromUtf8("J\u00f6rg M\u00fcller"), "0170 555 66", "+49 30 1234", "", "", ""}));
    EXPECT_EQ(Row(f, 1), QStringList({"Ada Lovelace", "07700 900123", "", "020 7946 0000", "", ""}));
    EXPECT_EQ(Row(f, 2), QStringList({"Acme, Ltd", "+1-555-555-0100 ext. 102", "", "", "+1-555-555-0101", "Acme Ltd"}));
    ASSERT_EQ(Import(path).result, Msg::Ok);
    EXPECT_EQ(added.value(0), QString::fromUtf8("J\u00f6rg M\u00fcller|017055566"));

    // A server that made a 2.1 card UTF-8 keeps its old CHARSET beside the new text.
    ASSERT_TRUE(f.Read(Write("server.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN;CHARSET=ISO-8859-1:J\u00fcrgen Wei\u00df\r\n"
                                           "TEL:1\r\nEND:VCARD\r\n")));
    EXPECT_EQ(Row(f, 0).value(0), QString::fromUtf8("J\u00fcrgen Wei\u00df"));
}

TEST_F(Contacts, TheGuessTakesTheFirstOfEachKindAndSkipsTypeAndLabelColumns)
{
    using M = ImportFieldMap;
    const auto guess = [](const QStringList& h) {
        const M m = M::Guess(h);
        return QList<int>{m.Column(M::kPhoneNumber), m.Column(M::kFirstName), m.Column(M::kLastName)};
    };
    EXPECT_EQ(guess({"\"name\"", "\"phone\""}), QList<int>({1, 0, -1}));
    EXPECT_EQ(guess({"First Name", "Last Name", "Phone", "Phone"}), QList<int>({2, 0, 1}));
    EXPECT_EQ(guess({"Phone Name"}), QList<int>({-1, 0, -1}));
    EXPECT_EQ(guess({"Name", "Given Name", "Phone 1 - Type", "Phone 1 - Value"}), QList<int>({3, 0, -1}));
    EXPECT_EQ(guess({"First Name", "Phone 1 - Label", "Phone 1 - Value"}), QList<int>({2, 0, -1}));

    M m;
    EXPECT_EQ(m.Assign(3, 0), Msg::MapIndexOutOfRange);
    EXPECT_EQ(m.Assign(0, 255), Msg::VariableIndexOutOfRange);
    EXPECT_EQ(m.Assign(0, 4), Msg::Ok);
    EXPECT_EQ(m.Assign(0, 5), Msg::IndexAlreadyAssigned);
    EXPECT_EQ(m.Clear(-1), Msg::MapIndexOutOfRange);
}

TEST_F(Contacts, TheImportRunChecksTheLimitFiltersNumbersAndCountsWhatItDrops)
{
    const QString path = Write("c.csv", "First Name,Last Name,Phone\n"
                                        "Ann,Lee,(555) 123-4567\n"
                                        "Bo \xF0\x9F\x98\x80,Dahl,*67#P12p\n");
    ImportOutcome o = Import(path, 98);
    ASSERT_EQ(o.result, Msg::Ok);
    // What the emoji leaves is one space, not two.
    EXPECT_EQ(added, QStringList({"Ann Lee|5551234567", "Bo Dahl|*67#P12"}));
    EXPECT_EQ(list.droppedCharacters, 1);
    EXPECT_EQ(list.numbersRewritten, 0) << "brackets, dashes and a lower-case p are no rewriting";

    // Three rows into 98, all asked: refused as a whole, with the counts.
    const QString three = Write("three.csv", "Name,Phone\na,1\nb,2\nc,3\n");
    o = Import(three, 98);
    EXPECT_EQ(o.result, Msg::MaxEntriesReached);
    EXPECT_EQ(o.asked, 3);
    EXPECT_EQ(o.room, 2);
    EXPECT_TRUE(added.isEmpty());
    EXPECT_EQ(NoRoomText(o.asked, o.room), QStringLiteral("The file holds 3 contacts; the book has room for 2."));

    ImportFieldMap lastOnly;
    lastOnly.Assign(ImportFieldMap::kLastName, 1);
    ASSERT_EQ(Import(path, 0, lastOnly).result, Msg::Ok);
    EXPECT_EQ(added.value(0), QStringLiteral("Lee|"));
    ImportFieldMap firstOnly;
    firstOnly.Assign(ImportFieldMap::kFirstName, 0);
    ASSERT_EQ(Import(path, 0, firstOnly).result, Msg::Ok);
    EXPECT_EQ(added.value(0), QStringLiteral("Ann|"));

    EXPECT_EQ(Import(path, 0, ImportFieldMap()).result, Msg::NoColumnsSelected);
    EXPECT_EQ(Import(dir.filePath(QStringLiteral("gone.csv")), 0, firstOnly).result, Msg::CouldNotImportFile);
}

TEST_F(Contacts, ExportWritesTheExactBytesAndReadsBackInBothFormats)
{
    Phonebook book;
    book.Append(MakeEntry("Home", "5551234"));
    book.Append(MakeEntry("Office", ""));
    book.Append(MakeEntry("Say \"hi\", \xE9", "*1#"));
    std::vector<const PhonebookEntry*> entries;
    for (std::size_t i = 0; i < book.Count(); ++i)
        entries.push_back(book.Entry(i));

    const QString csv = dir.filePath(QStringLiteral("out.csv"));
    ASSERT_EQ(ExportContacts(csv, entries), Msg::Ok);
    EXPECT_EQ(ReadAll(csv), QByteArray("\"name\",\"phone\"\r\n\"Home\",\"5551234\"\r\n\"Office\",\"\"\r\n"
                                       "\"Say \"\"hi\"\", \xC3\xA9\",\"*1#\"\r\n"));
    const QStringList expected = {"Home|5551234", "Office|", QString::fromUtf8("Say \"hi\", \u00e9|*1#")};
    ASSERT_EQ(Import(csv).result, Msg::Ok);
    EXPECT_EQ(added, expected);

    const QString vcf = dir.filePath(QStringLiteral("out.vcf"));
    ASSERT_EQ(ExportContacts(vcf, entries), Msg::Ok);
    EXPECT_TRUE(ReadAll(vcf).startsWith("BEGIN:VCARD\r\nVERSION:3.0\r\n"));
    ASSERT_EQ(Import(vcf).result, Msg::Ok);
    EXPECT_EQ(added, expected);

    EXPECT_EQ(ExportContacts(dir.filePath(QStringLiteral("none.csv")), {}), Msg::NoRecordsToWrite);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("none.csv"))));
    EXPECT_EQ(ExportContacts(dir.filePath(QStringLiteral("no/such/folder.csv")), entries), Msg::CouldNotOpenFile);
}

}  // namespace
