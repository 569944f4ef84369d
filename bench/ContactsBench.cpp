// Reading a large contacts file into the import wizard's mapping page, against reading the same
// file into QByteArray lines in the same run; and the memory that takes, against the file's size.

#include "gui/contacts/ImportMappingPage.h"

#include "BenchSupport.h"
#include "MedianMs.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kRows = 10000;
constexpr int kColumns = 20;

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
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
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

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3) {
        ImportMappingPage page;
        if (QString::fromLocal8Bit(argv[1]) == QLatin1String("--load") && !page.LoadFile(QString::fromLocal8Bit(argv[2])))
            return 1;
        PrintPeakMb();
        return 0;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("contacts.csv"));
    WriteContacts(path);
    const double sizeMb = static_cast<double>(QFile(path).size()) / (1024 * 1024);

    ImportMappingPage page;
    bool loaded = true;
    const auto [lines, load] = MedianPairMs(
        9, [&] { ReadLines(path); }, [&] { loaded = page.LoadFile(path) && loaded; });
    if (!loaded) {
        std::fprintf(stderr, "bench_contacts: the page could not read the file\n");
        return 1;
    }
    const double idle = ChildPeakMb(QStringLiteral("--idle"), path);
    const double peak = ChildPeakMb(QStringLiteral("--load"), path);
    std::printf("(peak of a process that only starts: %.1f MB; of one that reads the file: %.1f MB)\n", idle, peak);
    std::printf("Contacts file of %d rows and %d columns, %.1f MB, medians\n", kRows, kColumns, sizeMb);
    std::printf("  read into QByteArray lines         %8.1f ms\n", lines);
    std::printf("  read into the mapping page         %8.1f ms   ratio %.2f (goal <= 3)\n", load, load / lines);
    std::printf("  memory of the read                 %8.1f MB   ratio %.2f of the file's size (goal <= 4)\n",
                peak - idle, (peak - idle) / sizeMb);
    return 0;
}
