// Reading large contacts files with the contacts reader, against reading the same files into
// QByteArray lines in the same run; the memory each read takes, against the file's size; and a
// card whose quoted-printable value is broken softly over thousands of lines.

#include "core/contacts/DelimitedFile.h"

#include "BenchSupport.h"
#include "MedianMs.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <tuple>

namespace {

constexpr int kRows = 10000;
constexpr int kColumns = 20;
constexpr int kCards = 10000;
constexpr int kSoftBreaks = 15000;
// Encoded bytes per line of the quoted-printable value: 3 MB in all.
constexpr int kEncodedLine = 210;

void Save(const QString& path, const QByteArray& text)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
}

// A contacts export as mail programs write them: quoted names, numbers, addresses and notes,
// some with commas and quotes inside.
void WriteContacts(const QString& path)
{
    QByteArray text;
    for (int c = 0; c < kColumns; ++c)
        text += (c ? "," : "") + QByteArray(c == 0 ? "First Name" : c == 1 ? "Last Name" : c == 2 ? "Phone 1 - Value" : "Field ") +
                (c > 2 ? QByteArray::number(c) : QByteArray());
    text += "\r\n";
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            if (c)
                text += ',';
            switch (c % 4) {
            case 0: text += "\"Name " + QByteArray::number(r) + "\""; break;
            case 1: text += "Surname" + QByteArray::number(r * 7 % 1000); break;
            case 2: text += "+1 (555) " + QByteArray::number(1000000 + r); break;
            default: text += "\"Street " + QByteArray::number(c) + ", \"\"Apt\"\" " + QByteArray::number(r) + "\""; break;
            }
        }
        text += "\r\n";
    }
    Save(path, text);
}

// A phone's export where every card labels its second number with a type of its own.
void WriteCards(const QString& path)
{
    QByteArray text;
    for (int i = 0; i < kCards; ++i) {
        const QByteArray n = QByteArray::number(i);
        text += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Surname" + n + ";Name" + n + ";;;\r\nFN:Name" + n + " Surname" + n +
                "\r\nORG:Company " + QByteArray::number(i % 100) + "\r\nTEL;TYPE=CELL:+1 555 " + n +
                "\r\nTEL;TYPE=X-LABEL" + n + ":+1 666 " + n + "\r\nEMAIL;TYPE=INTERNET:name" + n +
                "@example.com\r\nEND:VCARD\r\n";
    }
    Save(path, text);
}

// An old phone's card whose name is quoted-printable UTF-8, broken softly on every line.
void WriteQuotedPrintable(const QString& path)
{
    QByteArray line;
    while (line.size() + 6 < kEncodedLine)
        line += "=C3=A4";
    line += "=\r\n";
    QByteArray text = "BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:";
    text.reserve(kSoftBreaks * line.size() + 100);
    for (int i = 0; i < kSoftBreaks; ++i)
        text += line;
    text += "=C3=A4\r\nTEL;CELL:0170 555 66\r\nEND:VCARD\r\n";
    Save(path, text);
}

QList<QByteArray> ReadLines(const QString& path)
{
    QList<QByteArray> lines;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        while (!file.atEnd())
            lines.append(file.readLine());
    return lines;
}

double SizeMb(const QString& path)
{
    return static_cast<double>(QFile(path).size()) / (1024 * 1024);
}

// The median times of reading the file's lines and of reading it with the contacts reader;
// false when the reader could not read it.
bool TimeRead(const QString& path, double& lines, double& read)
{
    bool ok = true;
    std::tie(lines, read) = MedianPairMs(
        9, [&] { ReadLines(path); },
        [&] {
            DelimitedFile file;
            ok = file.Read(path) && ok;
        });
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3) {
        DelimitedFile file;
        if (QString::fromLocal8Bit(argv[1]) == QLatin1String("--load") && !file.Read(QString::fromLocal8Bit(argv[2])))
            return 1;
        PrintPeakMb();
        return 0;
    }
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("contacts.csv"));
    const QString vcf = dir.filePath(QStringLiteral("contacts.vcf"));
    const QString qp = dir.filePath(QStringLiteral("long-name.vcf"));
    WriteContacts(csv);
    WriteCards(vcf);
    WriteQuotedPrintable(qp);

    double csvLines = 0, csvRead = 0, vcfLines = 0, vcfRead = 0;
    if (!TimeRead(csv, csvLines, csvRead) || !TimeRead(vcf, vcfLines, vcfRead)) {
        std::fprintf(stderr, "bench_contacts: the reader could not read a file\n");
        return 1;
    }
    bool qpRead = true;
    const double qpMs = MedianMs(5, [&] {
        DelimitedFile file;
        qpRead = file.Read(qp) && qpRead;
    });
    if (!qpRead) {
        std::fprintf(stderr, "bench_contacts: the reader could not read the quoted-printable card\n");
        return 1;
    }
    const double idle = ChildPeakMb(QStringLiteral("--idle"), csv);
    const double csvPeak = ChildPeakMb(QStringLiteral("--load"), csv);
    const double vcfPeak = ChildPeakMb(QStringLiteral("--load"), vcf);
    std::printf("(peak of a process that only starts: %.1f MB; of one that reads the CSV file: %.1f MB, the vCard "
                "file: %.1f MB)\n",
                idle, csvPeak, vcfPeak);
    std::printf("Contacts file of %d rows and %d columns, %.1f MB, medians\n", kRows, kColumns, SizeMb(csv));
    std::printf("  read into QByteArray lines         %8.1f ms\n", csvLines);
    std::printf("  read by the contacts reader        %8.1f ms   ratio %.2f (goal <= 3)\n", csvRead, csvRead / csvLines);
    std::printf("  memory of the read                 %8.1f MB   ratio %.2f of the file's size (goal <= 4)\n",
                csvPeak - idle, (csvPeak - idle) / SizeMb(csv));
    std::printf("vCard file of %d cards, each with a phone type of its own, %.1f MB, medians\n", kCards, SizeMb(vcf));
    std::printf("  read into QByteArray lines         %8.1f ms\n", vcfLines);
    std::printf("  read by the contacts reader        %8.1f ms   ratio %.2f (goal <= 5)\n", vcfRead, vcfRead / vcfLines);
    std::printf("  memory of the read                 %8.1f MB   ratio %.2f of the file's size (goal <= 8)\n",
                vcfPeak - idle, (vcfPeak - idle) / SizeMb(vcf));
    std::printf("vCard with a quoted-printable name of %.1f MB in %d soft line breaks, median\n", SizeMb(qp), kSoftBreaks);
    std::printf("  read by the contacts reader        %8.1f ms   (goal <= 200)\n", qpMs);
    return 0;
}
