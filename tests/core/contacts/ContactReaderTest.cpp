// The contacts reader on files as other programs write them: Outlook and Excel in other
// languages and encodings, old Mac files, hand-edited files with stray quotes, blank rows, phone
// exports with many number types, and paths that are no files.

#include "core/contacts/DelimitedFile.h"
#include "core/contacts/VCardReader.h"

#include "core/common/Cp1252.h"
#include "support/ContactRow.h"
#include "support/PhonebookHelpers.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QByteArray Windows1252(const QString& text)
{
    const std::string bytes = Cp1252::FromUnicode(text).value();
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QByteArray Utf16(const QString& text, bool littleEndian)
{
    QByteArray bytes = littleEndian ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    for (const QChar c : text) {
        const char low = static_cast<char>(c.unicode() & 0xFF), high = static_cast<char>(c.unicode() >> 8);
        bytes += littleEndian ? low : high;
        bytes += littleEndian ? high : low;
    }
    return bytes;
}

class ContactReader : public ::testing::Test {
protected:
    QString Write(const char* name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        WriteAll(path, bytes);
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(ContactReader, ExportsInOtherLanguagesAndEncodingsReadAsTheirColumns)
{
    DelimitedFile f;
    // Outlook in German: semicolons, every field quoted, Windows-1252, a comma and a semicolon
    // inside quotes, doubled quotes, a euro sign.
    const QString outlook = QString::fromUtf8(
        "\"Anrede\";\"Vorname\";\"Nachname\";\"Firma\";\"Telefon gesch\u00e4ftlich\";\"Mobiltelefon\";\"Notizen\"\r\n"
        "\"Herr\";\"J\u00fcrgen\";\"Gro\u00df\";\"M\u00fcller, Gro\u00df & S\u00f6hne\";\"+49 (30) 1234-0\";\"0171 2345678\";"
        "\"Ruft \"\"gern\"\" an; 5 \u20ac Rabatt\"\r\n"
        "\"\";\"\u00c4nne\";\"Wei\u00df\";\"\";\"\";\"0160 9876543\";\"\"\r\n");
    ASSERT_TRUE(f.Read(Write("Kontakte.CSV", Windows1252(outlook)))) << f.LastError().toStdString();
    EXPECT_EQ(f.Headers(), QStringList({"Anrede", "Vorname", "Nachname", "Firma", QString::fromUtf8("Telefon gesch\u00e4ftlich"),
                                       "Mobiltelefon", "Notizen"}));
    ASSERT_EQ(f.RowCount(), 2);
    EXPECT_EQ(Row(f, 0), QStringList({"Herr", QString::fromUtf8("J\u00fcrgen"), QString::fromUtf8("Gro\u00df"),
                                      QString::fromUtf8("M\u00fcller, Gro\u00df & S\u00f6hne"), "+49 (30) 1234-0",
                                      "0171 2345678", QString::fromUtf8("Ruft \"gern\" an; 5 \u20ac Rabatt")}));
    EXPECT_EQ(Row(f, 1), QStringList({"", QString::fromUtf8("\u00c4nne"), QString::fromUtf8("Wei\u00df"), "", "", "0160 9876543", ""}));

    // Excel's "Unicode text": UTF-16 with its byte-order mark, tabs, CR LF; fields with a tab, a
    // quote or a line break quoted; a character outside the basic plane.
    const QString unicodeText = QString::fromUtf8(
        "Vorname\tNachname\tFirma\tMobiltelefon\tNotizen\r\n"
        "Zo\u00eb\t\u00c5berg\t\"\u00c5ngstr\u00f6m \"\"AB\"\"\"\t+46 70 123 45 67\t\"Tisch\treservieren\nab 19 Uhr\"\r\n"
        "\u5f20\u4f1f \U0001F600\t\t\t0800 111\t\r\n");
    const QStringList unicodeRows[] = {
        {QString::fromUtf8("Zo\u00eb"), QString::fromUtf8("\u00c5berg"), QString::fromUtf8("\u00c5ngstr\u00f6m \"AB\""),
         "+46 70 123 45 67", "Tisch\treservierenab 19 Uhr"},
        {QString::fromUtf8("\u5f20\u4f1f \U0001F600"), "", "", "0800 111", ""},
    };
    for (const bool littleEndian : {true, false}) {
        // Written on Windows in little-endian order, elsewhere sometimes big; a file cut short
        // by one byte loses nothing of its whole characters.
        ASSERT_TRUE(f.Read(Write("unicode.txt", Utf16(unicodeText, littleEndian) + QByteArray(1, '\0')))) << f.LastError().toStdString();
        EXPECT_EQ(f.Headers(), QStringList({"Vorname", "Nachname", "Firma", "Mobiltelefon", "Notizen"}));
        ASSERT_EQ(f.RowCount(), 2) << littleEndian;
        EXPECT_EQ(Row(f, 0), unicodeRows[0]);
        EXPECT_EQ(Row(f, 1), unicodeRows[1]);
    }
    EXPECT_FALSE(f.Read(Write("bom-only.txt", "\xFF\xFE")));
    EXPECT_EQ(f.LastError(), QString::fromLatin1(DelimitedFile::kFileEmpty));

    // An old Mac ends its lines with CR alone.
    ASSERT_TRUE(f.Read(Write("mac.csv", "Name,Phone\rAnn Lee,555 0101\r\"Bo\rDahl\",555 0102\r")));
    ASSERT_EQ(f.RowCount(), 2);
    EXPECT_EQ(Row(f, 0), QStringList({"Ann Lee", "555 0101"}));
    EXPECT_EQ(Row(f, 1), QStringList({"BoDahl", "555 0102"}));

    // A header with semicolons and tabs is split on the one it has more of, and one with a
    // comma stays a comma file.
    ASSERT_TRUE(f.Read(Write("tabs.txt", "Name\tPhone\tNote; short\nAnn\t1\ta;b\n")));
    EXPECT_EQ(Row(f, 0), QStringList({"Ann", "1", "a;b"}));
    ASSERT_TRUE(f.Read(Write("commas.csv", "Name,Phone;Fax;Mobile\nAnn,1;2;3\n")));
    EXPECT_EQ(Row(f, 0), QStringList({"Ann", "1;2;3"}));
}

TEST_F(ContactReader, QuotesOpenOnlyAtAFieldsStartAndOneLeftOpenIsReported)
{
    DelimitedFile f;
    // Typed by hand: inches and a nickname's quote inside plain fields.
    ASSERT_TRUE(f.Read(Write("hand.csv", "Name,Phone\n"
                                         "Alice 5\" screen,111\n"
                                         "Bob,222\n"
                                         "Carol,333\n"
                                         "Dave \"D,444\n"
                                         "Eve,555\n")));
    ASSERT_EQ(f.RowCount(), 5);
    EXPECT_EQ(Row(f, 0), QStringList({"Alice 5\" screen", "111"}));
    EXPECT_EQ(Row(f, 3), QStringList({"Dave \"D", "444"}));
    EXPECT_EQ(Row(f, 4), QStringList({"Eve", "555"}));
    EXPECT_EQ(f.UnclosedQuoteLine(), 0);

    // Google's export: a note over several lines, with quotes in it, and a field whose quote
    // closes before more text.
    ASSERT_TRUE(f.Read(Write("google.csv", "Name,Notes,Phone 1 - Value\r\n"
                                           "Ann,\"Met at \"\"Caf\xC3\xA9\"\", Berlin\r\nCall after 6\r\n\",555\r\n"
                                           "\"Bo\" Dahl,,666\r\n")));
    ASSERT_EQ(f.RowCount(), 2);
    EXPECT_EQ(Row(f, 0), QStringList({"Ann", QString::fromUtf8("Met at \"Caf\u00e9\", BerlinCall after 6"), "555"}));
    EXPECT_EQ(Row(f, 1), QStringList({"Bo Dahl", "", "666"}));
    EXPECT_EQ(f.UnclosedQuoteLine(), 0);

    // A quote that never closes: the field runs to the end of the file, and its line is told.
    ASSERT_TRUE(f.Read(Write("open.csv", "Name,Phone\r\nAnn,111\r\n\"Bob,222\r\nCarol,333\r\n")));
    EXPECT_EQ(f.UnclosedQuoteLine(), 3);
    ASSERT_EQ(f.RowCount(), 2);
    EXPECT_EQ(Row(f, 0), QStringList({"Ann", "111"}));
    EXPECT_EQ(Row(f, 1), QStringList({"Bob,222Carol,333", ""}));
    ASSERT_TRUE(f.Read(Write("open-header.csv", "Name,\"Phone\nAnn,1\n")));
    EXPECT_EQ(f.UnclosedQuoteLine(), 1);
    EXPECT_EQ(f.Headers(), QStringList({"Name", "PhoneAnn,1"}));
    EXPECT_EQ(f.RowCount(), 0);
}

TEST_F(ContactReader, BlankLinesAndRowsOfEmptyCellsAreNoRows)
{
    // Excel writes a blank row as delimiters alone; people leave empty lines and spaces.
    DelimitedFile f;
    ASSERT_TRUE(f.Read(Write("excel.csv", "First Name,Last Name,Mobile Phone,Notes\r\n"
                                          "Ann,Lee,555,\r\n"
                                          ",,,\r\n"
                                          "\r\n"
                                          "Bo,,,\r\n"
                                          "  , ,\"\",\"  \"\r\n"
                                          ",,666,\r\n"
                                          ",,,,,,,,\r\n"
                                          "\r\n\r\n")));
    ASSERT_EQ(f.RowCount(), 3);
    EXPECT_EQ(Row(f, 0), QStringList({"Ann", "Lee", "555", ""}));
    EXPECT_EQ(Row(f, 1), QStringList({"Bo", "", "", ""}));
    EXPECT_EQ(Row(f, 2), QStringList({"", "", "666", ""}));
    EXPECT_EQ(f.ColumnsWithValues(), std::vector<bool>({true, true, true, false}));
    QString cell = QStringLiteral("stale");
    EXPECT_EQ(f.GetString(3, 0, cell), 0);
    EXPECT_TRUE(cell.isEmpty());

    // A file of headers and blank lines only has no rows.
    ASSERT_TRUE(f.Read(Write("blank.csv", "Name;Phone\n;\n\n  ;  \n")));
    EXPECT_EQ(f.RowCount(), 0);
    EXPECT_EQ(f.ColumnsWithValues(), std::vector<bool>({false, false}));
}

TEST_F(ContactReader, PhoneExportsWithManyNumberTypesKeepEveryNumberInBoundedColumns)
{
    // The first card as an iPhone writes it; then an Android phone's cards with a label of the
    // user's own for each (X- types), more of them than there are typed columns.
    QByteArray file = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Ann;;;\r\nFN:Ann Lee\r\n"
                      "ORG:Lee & Co;Sales\r\nCATEGORIES:Family,VIP\\,Gold\r\n"
                      "TEL;type=HOME;type=VOICE:030 1111\r\nTEL;type=HOME:030 2222\r\n"
                      "item1.TEL;type=CELL;type=VOICE;type=pref:0170 3333\r\nTEL:030 4444\r\nEND:VCARD\r\n";
    constexpr int kCustom = 20;
    for (int i = 0; i < kCustom; ++i) {
        const QByteArray n = QByteArray::number(i);
        file += "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Friend " + n + ";Pat;;;\r\nTEL;CELL:0171 " + n + "\r\n"
                "TEL;X-Ferienhaus" + n + ":0800 " + n + "\r\n" + (i == 3 ? "ORG:Acme\r\nCATEGORIES:Work\r\n" : "") +
                "END:VCARD\r\n";
    }
    DelimitedFile f;
    ASSERT_TRUE(f.Read(Write("contacts.vcf", file))) << f.LastError().toStdString();
    ASSERT_EQ(f.RowCount(), 1 + kCustom);
    const QStringList headers = f.Headers();
    // Name, Phone, 16 typed columns (Home Phone, Home Phone 2 and 14 of the labels), then Other
    // Phone (for the first card's number without a type), Organization and Categories.
    ASSERT_EQ(headers.size(), 2 + VCardReader::kMaxTypedColumns + 3);
    EXPECT_EQ(headers.mid(0, 7), QStringList({"Name", "Phone", "Home Phone", "Home Phone 2", "Other Phone", "Organization",
                                              "Categories"}));
    EXPECT_EQ(headers.value(7), QStringLiteral("X-ferienhaus0 Phone"));
    EXPECT_EQ(headers.last(), QStringLiteral("X-ferienhaus13 Phone"));
    EXPECT_EQ(Row(f, 0).mid(0, 7), QStringList({"Ann Lee", "0170 3333", "030 1111", "030 2222", "030 4444", "Lee & Co",
                                                 "Family,VIP,Gold"}));
    // Every card keeps both numbers: the mobile as the phone, the other in its own column or,
    // past the typed columns, in Other Phone.
    for (int i = 0; i < kCustom; ++i) {
        const QStringList row = Row(f, 1 + i);
        const QString n = QString::number(i);
        EXPECT_EQ(row.value(0), "Pat Friend " + n);
        EXPECT_EQ(row.value(1), "0171 " + n);
        const int column = i < 14 ? headers.indexOf("X-ferienhaus" + n + " Phone") : headers.indexOf("Other Phone");
        EXPECT_EQ(row.value(column), "0800 " + n) << i;
        EXPECT_EQ(row.filter(QStringLiteral("0800")).size(), 1) << i;
    }
    EXPECT_EQ(Row(f, 4).value(5), QStringLiteral("Acme"));
    EXPECT_EQ(Row(f, 4).value(6), QStringLiteral("Work"));

    // An old phone's 2.1 export: a long name in quoted-printable, broken softly every few
    // characters, in UTF-8 with a character split over two lines, and a CR-only file.
    QByteArray encoded = "BEGIN:VCARD\rVERSION:2.1\rN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:";
    QString expected;
    for (int i = 0; i < 3000; ++i) {
        encoded += "J=C3=BC=\r=72gen =C3=\r=A4 =\r";
        expected += QString::fromUtf8("J\u00fcrgen \u00e4 ");
    }
    encoded += ";Hans\rTEL;HOME:555\rEND:VCARD\r";
    ASSERT_TRUE(f.Read(Write("old.vcf", encoded)));
    ASSERT_EQ(f.RowCount(), 1);
    EXPECT_EQ(Row(f, 0).value(0), QStringLiteral("Hans ") + expected.trimmed());
    EXPECT_EQ(Row(f, 0).value(1), QStringLiteral("555"));
}

TEST_F(ContactReader, FoldersPipesAndDevicesAreRefusedAtOnce)
{
    const QString fifo = dir.filePath(QStringLiteral("pipe.csv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QDir(dir.path()).mkdir(QStringLiteral("folder.csv"));
    for (const QString& path : {dir.filePath(QStringLiteral("folder.csv")), fifo, QStringLiteral("/dev/zero")}) {
        DelimitedFile f;
        EXPECT_FALSE(f.Read(path)) << path.toStdString();
        EXPECT_EQ(f.LastError(), QString::fromLatin1(DelimitedFile::kFileNotFound) + "\nDetails: " + path);
    }
}

}  // namespace
