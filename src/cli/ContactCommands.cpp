#include "cli/ContactCommands.h"

#include "core/common/Cp1252.h"
#include "core/common/StringTable.h"
#include "core/contacts/ContactImport.h"
#include "core/contacts/DelimitedFile.h"
#include "core/contacts/ExportContacts.h"
#include "core/phonebook/Phonebook.h"
#include "core/phonebook/PhonebookFile.h"
#include "core/phonebook/PhonebookLimits.h"

#include <QFileInfo>

#include <optional>

namespace {

const char* const kCouldNotRead = "Error: Could not read the import file.  Check that it is formatted correctly.";

int UsageFailure(const CommandConsole& console, const QString& text)
{
    std::fprintf(console.err, "dialbook: %s\nTry 'dialbook --help'.\n", qPrintable(text));
    return 2;
}

// A column named by its header text (first match, any case) or by its number from 1.
std::optional<int> FindColumn(const QStringList& headers, const QString& name)
{
    bool number = false;
    const int n = name.toInt(&number);
    if (number)
        return n >= 1 && n <= headers.size() ? std::optional<int>(n - 1) : std::nullopt;
    for (qsizetype i = 0; i < headers.size(); ++i)
        if (headers[i].compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    // Headers written in quotes keep them; "Name" finds "\"name\"" too.
    for (qsizetype i = 0; i < headers.size(); ++i)
        if (QString(headers[i]).remove(u'"').trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return std::nullopt;
}

// The guess, with the targets that --map names changed. Empty string on success, else the
// complaint.
QString ApplyMapOption(const QString& targets, const QStringList& headers, ImportFieldMap& map)
{
    for (const QString& part : targets.split(u',', Qt::SkipEmptyParts)) {
        const qsizetype eq = part.indexOf(u'=');
        const QString key = part.left(eq).trimmed().toLower();
        const QString value = eq < 0 ? QString() : part.mid(eq + 1).trimmed();
        const int target = key == QLatin1String("phone")   ? ImportFieldMap::kPhoneNumber
                           : key == QLatin1String("first") ? ImportFieldMap::kFirstName
                           : key == QLatin1String("last")  ? ImportFieldMap::kLastName
                                                           : -1;
        if (target < 0 || eq < 0 || value.isEmpty())
            return QStringLiteral("--map takes phone=COL,first=COL,last=COL");
        map.Clear(target);
        if (value.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0)
            continue;
        const auto column = FindColumn(headers, value);
        if (!column)
            return QStringLiteral("--map: the file has no column \"%1\"").arg(value);
        // A column goes to one target only.
        if (const int other = map.TargetOf(*column); other != ImportFieldMap::kNotImported)
            map.Clear(other);
        map.Assign(target, *column);
    }
    return {};
}

void PrintMap(const CommandConsole& console, const ImportFieldMap& map, const QStringList& headers)
{
    const char* const names[] = {"Phone number", "Name, first part", "Name, last part"};
    for (int t = ImportFieldMap::kPhoneNumber; t <= ImportFieldMap::kLastName; ++t) {
        const int c = map.Column(t);
        if (c < 0)
            std::fprintf(console.out, "%-17s (none)\n", names[t]);
        else
            std::fprintf(console.out, "%-17s column %d, %s\n", names[t], c + 1, qPrintable(headers.value(c)));
    }
}

}  // namespace

int RunImportCommand(const CommandConsole& console, const QString& contacts, const QString& bookPath,
                     const QString& mapTargets, bool dryRun)
{
    DelimitedFile file;
    if (!file.Read(contacts) || file.HeaderCount() == 0 || file.HeaderCount() > ImportFieldMap::kMaxColumn) {
        std::fprintf(console.err, "%s\n", kCouldNotRead);
        return 1;
    }
    QStringList headers;
    for (int i = 0; i < file.HeaderCount(); ++i) {
        QString h;
        file.GetHeader(i, h);
        headers.append(h);
    }
    ImportFieldMap map = ImportFieldMap::Guess(headers);
    if (const QString complaint = ApplyMapOption(mapTargets, headers, map); !complaint.isEmpty())
        return UsageFailure(console, complaint);

    Phonebook book;
    if (QFileInfo::exists(bookPath)) {
        if (const Msg m = PhonebookFile::Load(bookPath, book); m != Msg::Ok)
            return ReportFailure(console, m);
    }
    PrintMap(console, map, headers);
    const std::size_t before = book.Count();
    const ImportOutcome outcome = ImportContacts(
        contacts, map, static_cast<int>(book.Count()), [&book](const std::string& name, const std::string& number) {
            PhonebookEntry entry;
            entry.name = name.substr(0, MAX_NAME_LENGTH);
            entry.number = number.substr(0, MAX_NUMBER_LENGTH);
            book.Append(std::move(entry));
        });
    if (outcome.droppedCharacters > 0)
        std::fprintf(console.err, "%s\n", qPrintable(DroppedCharactersText(outcome.droppedCharacters)));
    if (outcome.result != Msg::Ok)
        return ReportFailure(console, outcome.result);
    if (dryRun) {
        for (std::size_t i = before; i < book.Count(); ++i) {
            const PhonebookEntry* e = book.Entry(i);
            std::fprintf(console.out, "%s\t%s\n", qPrintable(Cp1252::ToUnicode(e->name)),
                         qPrintable(Cp1252::ToUnicode(e->number)));
        }
        std::fprintf(console.out, "Would add %d entries to %s (nothing written)\n", outcome.added, qPrintable(bookPath));
        return 0;
    }
    if (const Msg saved = PhonebookFile::Save(bookPath, book); saved != Msg::Ok)
        return ReportFailure(console, saved);
    std::fprintf(console.out, "Added %d entries to %s\n", outcome.added, qPrintable(bookPath));
    return 0;
}

int RunExportCommand(const CommandConsole& console, const QString& bookPath, const QString& out)
{
    Phonebook book;
    if (const Msg m = PhonebookFile::Load(bookPath, book); m != Msg::Ok)
        return ReportFailure(console, m);
    std::vector<const PhonebookEntry*> entries;
    for (std::size_t i = 0; i < book.Count(); ++i)
        entries.push_back(book.Entry(i));
    if (const Msg m = ExportContacts(out, entries); m != Msg::Ok)
        return ReportFailure(console, m);
    std::fprintf(console.out, "Wrote %zu entries to %s\n", entries.size(), qPrintable(out));
    return 0;
}
