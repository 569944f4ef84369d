#include "cli/ContactCommands.h"

#include "core/common/Cp1252.h"
#include "core/common/StringTable.h"
#include "core/contacts/ContactImport.h"
#include "core/contacts/ContactSelection.h"
#include "core/contacts/DelimitedFile.h"
#include "core/contacts/ExportContacts.h"
#include "core/phonebook/Phonebook.h"
#include "core/phonebook/PhonebookFile.h"
#include "core/phonebook/PhonebookLimits.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace {

int UsageFailure(const CommandConsole& console, const QString& text)
{
    std::fprintf(console.err, "dialbook: %s\n%s\n", qPrintable(text),
                 qPrintable(QCoreApplication::translate("CommandLine", "Try 'dialbook --help'.")));
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
    return std::nullopt;
}

QString MapUsage()
{
    //: phone, first and last are the option's words and stay as they are; COL may be translated.
    return QCoreApplication::translate("ContactCommands", "--map takes phone=COL,first=COL,last=COL");
}

int TargetNamed(const QString& key)
{
    for (int t = ImportFieldMap::kPhoneNumber; t <= ImportFieldMap::kLastName; ++t)
        if (key == ImportFieldMap::CommandLineName(t))
            return t;
    return -1;
}

// The guess, with the targets that --map names changed. Empty string on success, else the
// complaint.
QString ApplyMapOption(const QString& targets, const QStringList& headers, ImportOptions& options)
{
    ImportFieldMap& map = options.map;
    for (const QString& part : targets.split(u',', Qt::SkipEmptyParts)) {
        const qsizetype eq = part.indexOf(u'=');
        const QString key = part.left(eq).trimmed().toLower();
        const QString value = eq < 0 ? QString() : part.mid(eq + 1).trimmed();
        const int target = TargetNamed(key);
        if (target < 0 || eq < 0 || value.isEmpty())
            return MapUsage();
        map.Clear(target);
        if (target == ImportFieldMap::kPhoneNumber)
            options.phoneOrder.clear();
        if (value.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0)
            continue;
        // phone=A|B|C: the whole order numbers are looked for in; phone=A: A first, then the
        // default order.
        const QStringList names = value.split(u'|', Qt::SkipEmptyParts);
        if (names.size() > 1 && target != ImportFieldMap::kPhoneNumber)
            return QCoreApplication::translate("ContactCommands", "--map: only phone takes several columns");
        std::vector<int> columns;
        for (const QString& name : names) {
            const auto column = FindColumn(headers, name.trimmed());
            if (!column)
                return QCoreApplication::translate("ContactCommands", "--map: the file has no column \"%1\"")
                    .arg(name.trimmed());
            columns.push_back(*column);
        }
        if (columns.empty())
            return MapUsage();
        // A column goes to one target only.
        if (const int other = map.TargetOf(columns[0]); other != ImportFieldMap::kNotImported) {
            map.Clear(other);
            if (other == ImportFieldMap::kPhoneNumber)
                options.phoneOrder.clear();
        }
        map.Assign(target, columns[0]);
        if (columns.size() > 1)
            options.phoneOrder = columns;
    }
    return {};
}

// The order numbers are looked for in, as the import will use it.
void PrintMap(const CommandConsole& console, const ImportOptions& options, const QStringList& headers)
{
    const QString names[] = {QCoreApplication::translate("ContactCommands", "Phone number"),
                             QCoreApplication::translate("ContactCommands", "Name, first part"),
                             QCoreApplication::translate("ContactCommands", "Name, last part")};
    // The targets' names make a column as wide as the longest of them, in any language.
    qsizetype width = 0;
    for (const QString& name : names)
        width = std::max(width, name.size());
    const std::vector<int> order = options.NumberOrder(headers);
    for (int t = ImportFieldMap::kPhoneNumber; t <= ImportFieldMap::kLastName; ++t) {
        const int c = t == ImportFieldMap::kPhoneNumber ? (order.empty() ? -1 : order.front()) : options.map.Column(t);
        QString line;
        if (c < 0) {
            line = QCoreApplication::translate("ContactCommands", "(none)");
        } else if (t == ImportFieldMap::kPhoneNumber && order.size() > 1) {
            QStringList then;
            for (std::size_t k = 1; k < order.size(); ++k)
                then.append(headers.value(order[k]));
            line = QCoreApplication::translate("ContactCommands", "column %1, %2; then %3")
                       .arg(c + 1)
                       .arg(headers.value(c), then.join(QStringLiteral(", ")));
        } else {
            line = QCoreApplication::translate("ContactCommands", "column %1, %2").arg(c + 1).arg(headers.value(c));
        }
        std::fprintf(console.out, "%s %s\n", qPrintable(names[t].leftJustified(width + 1)), qPrintable(line));
    }
}

// The contacts asked for: those with any of the categories (as the user typed them, in any
// case), then the first so many.
std::vector<int> Select(const ContactList& list, const ImportRequest& request)
{
    const int all = static_cast<int>(list.contacts.size());
    ContactSelection selection;
    selection.Reset(list, all);
    selection.SetCategories(request.categories, Qt::CaseInsensitive);
    selection.ChooseFirst(request.first >= 0 ? std::min(request.first, all) : all);
    return selection.ChosenIndices();
}

int NothingToImport(const CommandConsole& console, const QString& contacts, const ContactList& list)
{
    std::fprintf(console.err, "dialbook: %s\n",
                 qPrintable(QCoreApplication::translate("ContactCommands",
                                                        "%1 holds no contacts to import; nothing was written.")
                                .arg(contacts)));
    for (const QString& note : ImportNotes(list))
        std::fprintf(console.err, "%s\n", qPrintable(note));
    return 1;
}

}  // namespace

int RunImportCommand(const CommandConsole& console, const QString& contacts, const QString& bookPath,
                     const ImportRequest& request)
{
    DelimitedFile file;
    if (IsServerAddress(contacts)) {
        if (!ReadServerCards(console, contacts, request.server, file))
            return 1;
        if (file.RowCount() == 0)
            return NothingToImport(console, contacts, ContactList());
    } else {
        const bool read = file.Read(contacts);
        if (const FileFailure failure = read ? UnusableColumns(file, contacts) : file.Failure();
            !read || failure.IsSet()) {
            std::fprintf(console.err, "%s\n", qPrintable(CouldNotReadText(failure)));
            return 1;
        }
    }
    const QStringList headers = file.Headers();
    ImportOptions options;
    options.map = ImportFieldMap::Guess(headers, file.ColumnsWithValues());
    options.internationalPrefix = request.internationalPrefix;
    if (const QString complaint = ApplyMapOption(request.mapTargets, headers, options); !complaint.isEmpty())
        return UsageFailure(console, complaint);
    if (options.map.Empty() && options.phoneOrder.empty())
        return ReportFailure(console, Msg::NoColumnsSelected);

    Phonebook book;
    if (QFileInfo::exists(bookPath)) {
        FileFailure failure;
        if (const Msg m = PhonebookFile::Load(bookPath, book, &failure); m != Msg::Ok)
            return ReportFailure(console, m, failure);
    }
    PrintMap(console, options, headers);
    const ContactList list = ReadContacts(file, options);
    if (list.contacts.empty())
        return NothingToImport(console, contacts, list);
    const std::vector<int> chosen = Select(list, request);
    if (chosen.empty() && !request.categories.isEmpty()) {
        const QString asked = request.categories.join(QStringLiteral(", "));
        std::fprintf(console.err, "dialbook: %s\n",
                     qPrintable(list.categories.isEmpty()
                                    ? QCoreApplication::translate("ContactCommands",
                                                                  "no contact has the category %1; the file has no categories")
                                          .arg(asked)
                                    : QCoreApplication::translate("ContactCommands",
                                                                  "no contact has the category %1; the file's categories: %2")
                                          .arg(asked, list.categories.join(QStringLiteral(", ")))));
        return 1;
    }

    const std::size_t before = book.Count();
    const ImportOutcome outcome =
        AddContacts(list, chosen, static_cast<int>(book.Count()), [&book](const std::string& name, const std::string& number) {
            PhonebookEntry entry;
            entry.name = FitName(name);
            entry.number = FitNumber(number);
            book.Append(std::move(entry));
        });
    if (outcome.result == Msg::MaxEntriesReached) {
        if (outcome.room == 0) {
            std::fprintf(console.err, "dialbook: %s\n",
                         qPrintable(QCoreApplication::translate("ContactCommands",
                                                                "%1 is full (%2 entries); nothing was written.")
                                        .arg(bookPath)
                                        .arg(MAX_PHONEBOOK_ENTRIES)));
        } else if (request.categories.isEmpty() && request.first < 0) {
            const int holds = static_cast<int>(list.contacts.size());
            std::fprintf(console.err, "%s\n",
                         qPrintable(IsServerAddress(contacts)
                                        ? QCoreApplication::translate(
                                              "ContactCommands", "The address book holds %1 contacts; the book has room for %2.")
                                              .arg(holds)
                                              .arg(outcome.room)
                                        : NoRoomText(holds, outcome.room)));
            // Of a file too long to read whole, what was read is what is counted.
            if (list.stoppedAtLine > 0)
                std::fprintf(console.err, "%s\n", qPrintable(ImportNotes(ChosenContacts(list, {})).join(u'\n')));
            std::fprintf(console.err, "%s\n",
                         qPrintable(QCoreApplication::translate(
                             "ContactCommands", "Choose which with --category NAME or --first N; nothing was written.")));
        } else {
            std::fprintf(console.err, "dialbook: %s\n",
                         qPrintable(QCoreApplication::translate(
                                        "ContactCommands", "%1 contacts are asked for; the book has room for %2. Nothing was written.")
                                        .arg(outcome.asked)
                                        .arg(outcome.room)));
        }
        return 1;
    }
    if (outcome.result != Msg::Ok)
        return ReportFailure(console, outcome.result);
    // What the import changed of the contacts it took.
    for (const QString& note : ImportNotes(ChosenContacts(list, chosen)))
        std::fprintf(console.err, "%s\n", qPrintable(note));
    if (request.dryRun) {
        for (std::size_t i = before; i < book.Count(); ++i) {
            const PhonebookEntry* e = book.Entry(i);
            std::fprintf(console.out, "%s\t%s\n", qPrintable(Cp1252::ToUnicode(e->name)),
                         qPrintable(Cp1252::ToUnicode(e->number)));
        }
        std::fprintf(console.out, "%s\n",
                     qPrintable((outcome.added == 1
                                     ? QCoreApplication::translate("ContactCommands", "Would add 1 entry to %1 (nothing written)")
                                     : QCoreApplication::translate("ContactCommands",
                                                                   "Would add %n entries to %1 (nothing written)", nullptr,
                                                                   outcome.added))
                                    .arg(bookPath)));
        return 0;
    }
    FileFailure failure;
    if (const Msg saved = PhonebookFile::Save(bookPath, book, std::nullopt, &failure); saved != Msg::Ok)
        return ReportFailure(console, saved, failure);
    std::fprintf(console.out, "%s\n",
                 qPrintable((outcome.added == 1
                                 ? QCoreApplication::translate("ContactCommands", "Added 1 entry to %1")
                                 : QCoreApplication::translate("ContactCommands", "Added %n entries to %1", nullptr, outcome.added))
                                .arg(bookPath)));
    return 0;
}

int RunExportCommand(const CommandConsole& console, const QString& bookPath, const QString& out)
{
    Phonebook book;
    FileFailure failure;
    if (const Msg m = PhonebookFile::Load(bookPath, book, &failure); m != Msg::Ok)
        return ReportFailure(console, m, failure);
    std::vector<const PhonebookEntry*> entries;
    for (std::size_t i = 0; i < book.Count(); ++i)
        entries.push_back(book.Entry(i));
    if (const Msg m = ExportContacts(out, entries, &failure); m != Msg::Ok)
        return ReportFailure(console, m, failure);
    const int written = static_cast<int>(entries.size());
    std::fprintf(console.out, "%s\n",
                 qPrintable((written == 1 ? QCoreApplication::translate("ContactCommands", "Wrote 1 entry to %1")
                                          : QCoreApplication::translate("ContactCommands", "Wrote %n entries to %1", nullptr,
                                                                        written))
                                .arg(out)));
    return 0;
}
