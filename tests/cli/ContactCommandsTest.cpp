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
    EXPECT_NE(err.Text().find("Maximum phonebook records reached."), std::string::npos);
    EXPECT_EQ(Run({"import", Path("missing.csv"), book}), 1);
    EXPECT_EQ(ReadAll(book), before);
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
