// `dialbook import` and `dialbook export`, as a new user tries them.

#include "cli/CommandLine.h"
#include "core/phonebook/PhonebookFile.h"
#include "support/Captured.h"
#include "support/PhonebookHelpers.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ContactCommands : public ::testing::Test {
protected:
    int Run(QStringList arguments)
    {
        arguments.prepend(QStringLiteral("dialbook"));
        const ParsedCommandLine parsed = ParseCommandLine(arguments);
        if (parsed.exitStatus >= 0)
            return parsed.exitStatus;
        CommandConsole c;
        c.out = out.File();
        c.err = err.File();
        return RunCommandLine(parsed.line, c);
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    Captured out, err;
    QTemporaryDir dir;
};

TEST_F(ContactCommands, ImportGuessesOrTakesAMapAndLeavesTheBookWholeOnFailure)
{
    // A Google-style export: labels beside values, a byte-order mark, CR LF.
    const QString google = Path("google.csv");
    WriteAll(google, "\xEF\xBB\xBF" "First Name,Last Name,Phone 1 - Label,Phone 1 - Value,Phone 2 - Label,Phone 2 - Value\r\n"
                     "Anna,Berg,Mobile,070-123 45,Home,08-1234\r\n"
                     "Bo,Dahl,Work,555 0101,,\r\n");
    const QString book = Path("book.opbk");
    ASSERT_EQ(Run({"import", google, book, "--dry-run"}), 0);
    EXPECT_NE(out.Text().find("Phone number      column 4, Phone 1 - Value"), std::string::npos) << out.Text();
    EXPECT_NE(out.Text().find("Anna Berg\t07012345"), std::string::npos);
    EXPECT_FALSE(QFile::exists(book)) << "a dry run writes nothing";

    ASSERT_EQ(Run({"import", google, book, "--map", "phone=Phone 2 - Value,last=none"}), 0);
    Phonebook read;
    ASSERT_EQ(PhonebookFile::Load(book, read), Msg::Ok);
    ASSERT_EQ(read.Count(), 2u);
    EXPECT_EQ(read.Entry(0)->name, "Anna");
    EXPECT_EQ(read.Entry(0)->number, "081234");
    ASSERT_EQ(Run({"import", google, book, "--map", "first=2,phone=4"}), 0);
    ASSERT_EQ(PhonebookFile::Load(book, read), Msg::Ok);
    ASSERT_EQ(read.Count(), 4u);
    EXPECT_EQ(read.Entry(2)->name, "Berg");

    EXPECT_EQ(Run({"import", google, book, "--map", "phone=Fax"}), kExitUsage);
    EXPECT_EQ(Run({"import", google, book, "--map", "mobile=3"}), kExitUsage);

    // 98 entries and 3 rows would pass the 100: refused, and the book stays as it was.
    Phonebook full;
    FillBook(full, 98);
    ASSERT_EQ(PhonebookFile::Save(book, full), Msg::Ok);
    const QByteArray before = ReadAll(book);
    const QString three = Path("three.csv");
    WriteAll(three, "Name,Phone\na,1\nb,2\nc,3\n");
    EXPECT_EQ(Run({"import", three, book}), 1);
    EXPECT_EQ(ReadAll(book), before);
    EXPECT_NE(err.Text().find("The file holds 3 contacts; the book has room for 2."), std::string::npos) << err.Text();
    EXPECT_EQ(Run({"import", Path("missing.csv"), book}), 1);
    // Headers and no contacts: nothing to add, and no book made for it.
    const QString headersOnly = Path("headers.csv");
    WriteAll(headersOnly, "First Name,Last Name,Mobile Phone\r\n");
    EXPECT_EQ(Run({"import", headersOnly, Path("none.opbk")}), 1);
    EXPECT_NE(err.Text().find("holds no contacts to import; nothing was written."), std::string::npos);
    EXPECT_FALSE(QFile::exists(Path("none.opbk")));
    EXPECT_EQ(ReadAll(book), before);
}

TEST_F(ContactCommands, ImportOfMoreThanFitsIsRefusedUnlessTheFirstOrACategoryIsAsked)
{
    // Google's export of a large address book: a few groups, some numbers only in the second
    // slot, numbers written with "+".
    QByteArray csv = "First Name,Middle Name,Last Name,Organization Name,Labels,Phone 1 - Label,Phone 1 - Value,"
                     "Phone 2 - Label,Phone 2 - Value\r\n";
    for (int i = 0; i < 5000; ++i) {
        const QByteArray n = QByteArray::number(i);
        const QByteArray labels = i % 100 == 0 ? "* myContacts ::: Friends" : i % 250 == 1 ? "Choir ::: * starred" : "* myContacts";
        const QByteArray phone1 = i % 3 == 0 ? "" : "+44 7700 9" + n.rightJustified(5, '0');
        csv += "Person,," + n + "," + (i % 7 == 0 ? "Acme" : "") + "," + labels + ",Mobile," + phone1 +
               ",Work,020 7946 " + n.rightJustified(4, '0') + "\r\n";
    }
    const QString big = Path("contacts.csv");
    WriteAll(big, csv);
    const auto bookOfThree = [this](const char* name) {
        Phonebook three;
        FillBook(three, 3);
        EXPECT_EQ(PhonebookFile::Save(Path(name), three), Msg::Ok);
        return Path(name);
    };

    const QString book = bookOfThree("book.opbk");
    const QByteArray before = ReadAll(book);
    EXPECT_EQ(Run({"import", big, book}), 1);
    EXPECT_NE(err.Text().find("The file holds 5000 contacts; the book has room for 97."), std::string::npos)
        << err.Text();
    EXPECT_EQ(err.Text().find("numbers came from another column"), std::string::npos) << "no notes for what is not done";
    EXPECT_EQ(ReadAll(book), before) << "nothing written";

    ASSERT_EQ(Run({"import", big, book, "--first", "97"}), 0);
    EXPECT_NE(out.Text().find("Phone number      column 7, Phone 1 - Value; then Phone 2 - Value"), std::string::npos)
        << out.Text();
    EXPECT_NE(out.Text().find("Added 97 entries"), std::string::npos);
    // Of the 97 taken, the 33 without a first number took the second; the 64 with one were rewritten.
    EXPECT_NE(err.Text().find("33 numbers came from another column, as the mapped one was empty."), std::string::npos)
        << err.Text();
    EXPECT_NE(err.Text().find("64 numbers were rewritten to dial as written"), std::string::npos);
    Phonebook read;
    ASSERT_EQ(PhonebookFile::Load(book, read), Msg::Ok);
    ASSERT_EQ(read.Count(), 100u);
    EXPECT_EQ(read.Entry(3)->name, "Person 0");
    EXPECT_EQ(read.Entry(3)->number, "02079460000");
    EXPECT_EQ(read.Entry(4)->number, "00447700900001");
    EXPECT_EQ(Run({"import", big, book, "--first", "1"}), 1);
    EXPECT_NE(err.Text().find("is full (100 entries); nothing was written."), std::string::npos) << err.Text();

    // Groups: the contacts of any category named, however it is written.
    const QString friends = bookOfThree("friends.opbk");
    ASSERT_EQ(Run({"import", big, friends, "--category", "Friends", "--category", "choir"}), 0);
    ASSERT_EQ(PhonebookFile::Load(friends, read), Msg::Ok);
    ASSERT_EQ(read.Count(), 3u + 50u + 20u);
    EXPECT_EQ(read.Entry(3)->name, "Person 0");
    EXPECT_EQ(read.Entry(4)->name, "Person 1");
    EXPECT_EQ(read.Entry(5)->name, "Person 100");
    EXPECT_EQ(Run({"import", big, friends, "--category", "Family"}), 1);
    EXPECT_NE(err.Text().find("Choir, Friends"), std::string::npos) << err.Text();

    // The order numbers are looked for in, a prefix for North America, and no number at all.
    const QString order = bookOfThree("order.opbk");
    const QByteArray orderBefore = ReadAll(order);
    ASSERT_EQ(Run({"import", big, order, "--first", "2", "--international-prefix", "011", "--dry-run", "--map",
                   "phone=Phone 2 - Value|7"}),
              0);
    EXPECT_NE(out.Text().find("Phone number      column 9, Phone 2 - Value; then Phone 1 - Value\n"), std::string::npos);
    EXPECT_NE(out.Text().find("Person 1\t02079460001\n"), std::string::npos) << out.Text();
    ASSERT_EQ(Run({"import", big, order, "--first", "2", "--international-prefix", "011", "--dry-run", "--map",
                   "phone=7|last=none"}),
              2) << "only phone takes several columns";
    ASSERT_EQ(Run({"import", big, order, "--first", "2", "--international-prefix", "011", "--dry-run"}), 0);
    EXPECT_NE(out.Text().find("Person 1\t011447700900001\n"), std::string::npos) << out.Text();
    ASSERT_EQ(Run({"import", big, order, "--first", "2", "--dry-run", "--map", "phone=none"}), 0);
    EXPECT_NE(out.Text().find("Phone number      (none)"), std::string::npos);
    EXPECT_NE(out.Text().find("Person 1\t\n"), std::string::npos) << out.Text();
    EXPECT_EQ(Run({"import", big, order, "--international-prefix", "+1"}), kExitUsage);
    EXPECT_EQ(Run({"import", big, order, "--first", "0"}), kExitUsage);
    EXPECT_EQ(ReadAll(order), orderBefore) << "dry runs and usage errors write nothing";
}

TEST_F(ContactCommands, ExportWritesCsvOrVCardByTheName)
{
    Phonebook book;
    book.Append(MakeEntry("Home", "5551234"));
    ASSERT_EQ(PhonebookFile::Save(Path("book.opbk"), book), Msg::Ok);
    ASSERT_EQ(Run({"export", Path("book.opbk"), Path("out.csv")}), 0);
    EXPECT_EQ(ReadAll(Path("out.csv")), QByteArray("\"name\",\"phone\"\r\n\"Home\",\"5551234\"\r\n"));
    ASSERT_EQ(Run({"export", Path("book.opbk"), Path("out.vcf")}), 0);
    EXPECT_TRUE(ReadAll(Path("out.vcf")).contains("TEL;TYPE=VOICE:5551234\r\n"));
    EXPECT_EQ(Run({"export", Path("missing.opbk"), Path("x.csv")}), 1);
    EXPECT_FALSE(QFile::exists(Path("x.csv")));
}

}  // namespace
