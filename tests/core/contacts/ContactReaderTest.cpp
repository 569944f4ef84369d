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
    QString Write(const char* name, const QByteArray& bytes) { return WriteIn(dir, name, bytes); }

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
}

TEST_F(ContactReader, TheHeaderSplitsOnTheDelimiterItsRowsAgreeOnAfterAnyBlankLines)
{
    DelimitedFile f;
    // Excel in German saves "CSV (Trennzeichen-getrennt)" with semicolons, and leaves the
    // commas of the column names unquoted; this one starts with an empty line.
    ASSERT_TRUE(f.Read(Write("Telefonliste.csv", Windows1252(QString::fromUtf8(
                                                     "\r\nName;Telefon, privat;Telefon, gesch\u00e4ftlich;Mobil\r\n"
                                                     "Ann Lee;030 1111;030 2222;0170 3333\r\n")))));
    EXPECT_EQ(f.Headers(), QStringList({"Name", "Telefon, privat", QString::fromUtf8("Telefon, gesch\u00e4ftlich"), "Mobil"}));
    EXPECT_EQ(Row(f, 0), QStringList({"Ann Lee", "030 1111", "030 2222", "0170 3333"}));

    // Excel's "Unicode text" with a comma in a column's name, after a line of spaces.
    ASSERT_TRUE(f.Read(Write("unicode.txt", Utf16(QStringLiteral("  \r\nName\tPhone (home, work)\tE-mail\r\n"
                                                                "Ann Lee\t555 0101\tann@example.com\r\n"),
                                                 true))));
    EXPECT_EQ(f.Headers(), QStringList({"Name", "Phone (home, work)", "E-mail"}));
    EXPECT_EQ(Row(f, 0), QStringList({"Ann Lee", "555 0101", "ann@example.com"}));

    // A header with as many commas as semicolons is a comma file, and one with more tabs than
    // semicolons a tab file.
    ASSERT_TRUE(f.Read(Write("commas.csv", "Name,Notes; misc\nAnn,a;b\n")));
    EXPECT_EQ(Row(f, 0), QStringList({"Ann", "a;b"}));
    ASSERT_TRUE(f.Read(Write("tabs.txt", "Name\tPhone\tNote; short\nAnn\t1\ta;b\n")));
    EXPECT_EQ(Row(f, 0), QStringList({"Ann", "1", "a;b"}));

    // As many commas as semicolons in the header, but the row under it has the semicolon; and
    // Excel's blank top row of delimiters alone before the header.
    ASSERT_TRUE(f.Read(Write("tie.csv", "Name;Phone, mobile\r\nAnn Lee;555 0101\r\n")));
    EXPECT_EQ(Row(f, 0), QStringList({"Ann Lee", "555 0101"}));
    ASSERT_TRUE(f.Read(Write("top.csv", ",,\r\nName,Phone,Note\r\nAnn,1,x\r\n")));
    EXPECT_EQ(f.Headers(), QStringList({"Name", "Phone", "Note"}));

    // The lines told count the blank lines before the header.
    ASSERT_TRUE(f.Read(Write("open.csv", "\n \t\nName,Phone\nAnn,\"111\n")));
    EXPECT_EQ(f.Headers(), QStringList({"Name", "Phone"}));
    EXPECT_EQ(f.UnclosedQuoteLine(), 4);
    EXPECT_FALSE(f.Read(Write("blank.csv", "\r\n  \r\n")));
    EXPECT_EQ(f.LastError(), QString::fromLatin1(DelimitedFile::kFileEmpty));
}

TEST_F(ContactReader, LongFilesAreReadUpToTheRowsAndCellsAnImportCanUse)
{
    DelimitedFile f;
    // A column of 150 000 lines: the header on line 1, rows from line 2; the row after the
    // last one kept starts on line 100 002.
    QByteArray column;
    for (int i = 0; i < 150'000; ++i)
        column += "a\n";
    ASSERT_TRUE(f.Read(Write("column.csv", column))) << f.LastError().toStdString();
    EXPECT_EQ(f.RowCount(), DelimitedFile::kMaxRows);
    EXPECT_EQ(f.StoppedAtLine(), 100'002);
    EXPECT_EQ(Row(f, DelimitedFile::kMaxRows - 1), QStringList({"a"}));

    // As many rows as are kept, then blank lines: the whole file is read.
    column.truncate(2 * (1 + DelimitedFile::kMaxRows));
    ASSERT_TRUE(f.Read(Write("exact.csv", column + "\n  \n")));
    EXPECT_EQ(f.RowCount(), DelimitedFile::kMaxRows);
    EXPECT_EQ(f.StoppedAtLine(), 0);

    // 1000 columns of one-character cells: 4000 rows hold all the cells kept, and the reading
    // stops at the next one's line.
    constexpr int kColumns = 1000;
    const int keptRows = DelimitedFile::kMaxCells / kColumns;
    QByteArray line = "a";
    for (int c = 1; c < kColumns; ++c)
        line += ",a";
    line += "\r\n";
    QByteArray wide;
    for (int r = 0; r < keptRows + 500; ++r)
        wide += line;
    ASSERT_TRUE(f.Read(Write("wide.csv", wide)));
    EXPECT_EQ(f.RowCount(), keptRows);
    EXPECT_EQ(f.StoppedAtLine(), keptRows + 2);
    EXPECT_EQ(Row(f, keptRows - 1).size(), kColumns);

    // A phone's export of more cards than rows are kept: one card of four lines each.
    QByteArray cards;
    for (int i = 0; i <= DelimitedFile::kMaxRows; ++i)
        cards += "BEGIN:VCARD\r\nFN:Pat " + QByteArray::number(i) + "\r\nTEL:555 " + QByteArray::number(i) + "\r\nEND:VCARD\r\n";
    ASSERT_TRUE(f.Read(Write("all.vcf", cards)));
    EXPECT_EQ(f.RowCount(), DelimitedFile::kMaxRows);
    EXPECT_EQ(f.StoppedAtLine(), 4 * DelimitedFile::kMaxRows + 1);
    EXPECT_EQ(Row(f, DelimitedFile::kMaxRows - 1), QStringList({"Pat 99999", "555 99999"}));
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

TEST_F(ContactReader, CardsGiveANumberToCallNeverAFaxAndKeepExtensionsAndApplesLabels)
{
    // An iPhone's export: a work fax marked preferred beside a mobile; a number of a label of
    // the user's own and one of Apple's (X-ABLabel of the same group), an e-mail's label that
    // is no number's; a company with a fax alone.
    const QByteArray iphone =
        "BEGIN:VCARD\r\nVERSION:3.0\r\nPRODID:-//Apple Inc.//iPhone OS 17.4//EN\r\n"
        "N:Berg;Lena;;;\r\nFN:Lena Berg\r\nORG:Nordlicht GmbH;\r\n"
        "TEL;type=WORK;type=FAX;type=pref:+49 40 555 0190\r\n"
        "TEL;type=CELL;type=VOICE:+49 170 555 0101\r\n"
        "item1.TEL:+49 40 555 0102\r\nitem1.X-ABLabel:Mum\r\n"
        "item2.EMAIL;type=INTERNET:lena@example.com\r\nitem2.X-ABLabel:_$!<Other>!$_\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Okafor;Chidi;;;\r\nFN:Chidi Okafor\r\n"
        "TEL;type=HOME;type=VOICE:+1 555 0111\r\n"
        "item1.TEL:+1 555 0100\r\nitem1.X-ABLabel:_$!<Mobile>!$_\r\n"
        "item2.TEL;type=pref:+1 555 0112\r\nitem2.X-ABLabel:_$!<HomeFAX>!$_\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:3.0\r\nN:;;;;\r\nFN:\r\nORG:Hafen Logistik;\r\n"
        "TEL;type=WORK;type=FAX:+49 40 555 0199\r\nEND:VCARD\r\n";
    DelimitedFile f;
    ASSERT_TRUE(f.Read(Write("Contacts.vcf", iphone))) << f.LastError().toStdString();
    EXPECT_EQ(f.Headers(), QStringList({"Name", "Phone", "Work Fax Phone", "Mum Phone", "Organization", "Home Phone",
                                       "Home Fax Phone"}));
    ASSERT_EQ(f.RowCount(), 3);
    EXPECT_EQ(Row(f, 0), QStringList({"Lena Berg", "+49 170 555 0101", "+49 40 555 0190", "+49 40 555 0102",
                                      "Nordlicht GmbH", "", ""}));
    EXPECT_EQ(Row(f, 1), QStringList({"Chidi Okafor", "+1 555 0100", "", "", "", "+1 555 0111", "+1 555 0112"}));
    EXPECT_EQ(Row(f, 2), QStringList({"Hafen Logistik", "", "+49 40 555 0199", "", "Hafen Logistik", "", ""}));

    // Version 4.0 writes numbers as tel: addresses, an extension among their parameters; a
    // pager is no number to call either.
    ASSERT_TRUE(f.Read(Write("v4.vcf", "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Front Desk\r\n"
                                       "TEL;VALUE=uri;TYPE=pager;PREF=1:tel:+1-555-555-0199\r\n"
                                       "TEL;VALUE=uri;TYPE=\"voice,work\":tel:+1-555-555-5555;ext=102\r\n"
                                       "TEL;VALUE=uri;TYPE=home:tel:555-0123;phone-context=example.com\r\n"
                                       "END:VCARD\r\n")));
    EXPECT_EQ(f.Headers(), QStringList({"Name", "Phone", "Pager Phone", "Home Phone"}));
    EXPECT_EQ(Row(f, 0), QStringList({"Front Desk", "+1-555-555-5555 ext. 102", "+1-555-555-0199", "555-0123"}));
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
