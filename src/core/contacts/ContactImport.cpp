#include "core/contacts/ContactImport.h"

#include "core/contacts/DelimitedFile.h"
#include "core/contacts/DialNumber.h"

#include "core/common/Cp1252.h"
#include "core/common/Transliteration.h"
#include "core/phonebook/PhonebookLimits.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

QString DroppedCharactersText(int count)
{
    return count == 1 ? QCoreApplication::translate(
                            "ContactImport", "1 character that the handset cannot store was left out of the imported names.")
                      : QCoreApplication::translate(
                            "ContactImport",
                            "%n characters that the handset cannot store were left out of the imported names.", nullptr,
                            count);
}

// The start of a category cell that is looked at.
constexpr qsizetype kCategorySource = 4096;

// Google joins labels with " ::: ", Outlook with ";", a vCard's CATEGORIES with ",".
const QRegularExpression& CategorySeparator()
{
    static const QRegularExpression re(QStringLiteral(R"(\s*(?::::|;|,)\s*)"));
    return re;
}

// Google's groups of every contact and of the starred ones: "* myContacts" and "* starred" in
// its export, "* My Contacts" and "* Starred in Android" in the older one.
bool IsGoogleSystemLabel(const QString& label)
{
    const QString bare = QString(label).remove(u' ').toLower();
    return bare == QLatin1String("*mycontacts") || bare == QLatin1String("*starred") ||
           bare == QLatin1String("*starredinandroid");
}

QStringList SplitCategories(QString cell)
{
    // A contact belongs to a few groups; a cell of thousands is cut, not searched through.
    if (cell.size() > kCategorySource)
        cell.truncate(kCategorySource);
    QStringList out;
    QSet<QString> seen;
    for (QString label : cell.split(CategorySeparator(), Qt::SkipEmptyParts)) {
        label = label.trimmed();
        if (label.isEmpty() || IsGoogleSystemLabel(label))
            continue;
        // Google marks its own groups ("* Friends"); the group is the same as one named by hand.
        if (label.startsWith(QLatin1String("* ")))
            label = label.sliced(2).trimmed();
        if (!label.isEmpty() && !seen.contains(label)) {
            seen.insert(label);
            out.append(label);
        }
    }
    return out;
}

// Enough of a cell for any name the handset keeps, however its letters are transcribed.
constexpr qsizetype kNameSource = 4 * MAX_NAME_LENGTH;

QString Cell(DelimitedFile& file, int column, int row)
{
    QString text;
    if (column < 0 || file.GetString(column, row, text) < 0)
        return {};
    return text;
}

bool RowIsBlank(DelimitedFile& file, int row)
{
    for (int c = 0; c < file.HeaderCount(); ++c)
        if (!Cell(file, c, row).trimmed().isEmpty())
            return false;
    return true;
}

// A name as the handset stores it: in letters Windows-1252 has, without what it still cannot
// hold, with one space between words, cut to the entry's length.
std::string StoredName(QString text, int& dropped)
{
    // Only the start of a name can reach the handset; transcribing a whole cell of Han text
    // would take time that grows faster than the cell.
    if (text.size() > kNameSource)
        text.truncate(kNameSource);
    // Marks that show nothing (direction marks, zero-width spaces, a byte-order mark) go
    // without a word; control characters (a NUL, a bell) go as letters it cannot store do.
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Format; });
    const qsizetype before = text.size();
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    dropped += static_cast<int>(before - text.size());
    const std::string encoded = Cp1252::FromUnicodeDropping(Transliteration::ToCp1252Letters(text), dropped);
    // What was left out may leave two spaces together, or one at an end.
    const QString spaced = Cp1252::ToUnicode(encoded).simplified();
    std::string name = FitName(*Cp1252::FromUnicode(spaced));
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return name;
}

// In the order a person looks for them: without regard to case, "Friends" before "friends".
QStringList SortedCategories(const QSet<QString>& categories)
{
    QStringList sorted(categories.begin(), categories.end());
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return sorted;
}

void Count(ContactList& list, const ImportedContact& contact)
{
    list.droppedCharacters += contact.droppedCharacters;
    list.namesFromOrganisation += contact.nameFromOrganisation ? 1 : 0;
    list.numbersFromOtherColumn += contact.numberFromOtherColumn ? 1 : 0;
    list.numbersRewritten += contact.numberRewritten ? 1 : 0;
}

}  // namespace

std::vector<int> ImportOptions::NumberOrder(const QStringList& headers) const
{
    if (!phoneOrder.empty())
        return phoneOrder;
    const int phone = map.Column(ImportFieldMap::kPhoneNumber);
    if (phone < 0)
        return {};
    return ImportFieldMap::PhoneOrder(headers, phone);
}

ContactList ReadContacts(DelimitedFile& file, const ImportOptions& options)
{
    ContactList list;
    list.unclosedQuoteLine = file.UnclosedQuoteLine();
    list.stoppedAtLine = file.StoppedAtLine();
    const QStringList headers = file.Headers();
    const std::vector<int> order = options.NumberOrder(headers);
    const int first = options.map.Column(ImportFieldMap::kFirstName);
    const int last = options.map.Column(ImportFieldMap::kLastName);
    const int organisation = ImportFieldMap::OrganisationColumn(headers);
    const int category = ImportFieldMap::CategoryColumn(headers);
    QSet<QString> categories;

    for (int row = 0; row < file.RowCount(); ++row) {
        ImportedContact contact;
        contact.row = row;
        bool numberFromOther = false;
        bool numberRewritten = false;
        for (std::size_t k = 0; k < order.size(); ++k) {
            const DialNumber number = DialNumber::FromCell(Cell(file, order[k], row), options.internationalPrefix);
            if (number.digits.empty())
                continue;
            contact.number = number.digits;
            numberFromOther = k > 0;
            numberRewritten = number.rewritten;
            break;
        }

        QStringList parts;
        for (int column : {first, last})
            if (const QString part = Cell(file, column, row).simplified(); !part.isEmpty())
                parts.append(part);
        int dropped = 0;
        contact.name = StoredName(parts.join(u' '), dropped);
        bool fromOrganisation = false;
        if (contact.name.empty()) {
            dropped = 0;
            contact.name = StoredName(Cell(file, organisation, row).simplified(), dropped);
            fromOrganisation = !contact.name.empty();
        }
        if (contact.name.empty()) {
            // A row with nothing in it at all is no contact, and not one left out either.
            if (!RowIsBlank(file, row))
                ++list.namesLeftOut;
            continue;
        }

        contact.droppedCharacters = dropped;
        contact.nameFromOrganisation = fromOrganisation;
        contact.numberFromOtherColumn = numberFromOther;
        contact.numberRewritten = numberRewritten;
        Count(list, contact);
        contact.categories = SplitCategories(Cell(file, category, row));
        for (const QString& c : contact.categories)
            categories.insert(c);
        list.contacts.push_back(std::move(contact));
    }
    list.categories = SortedCategories(categories);
    return list;
}

ContactList ChosenContacts(const ContactList& list, const std::vector<int>& chosen)
{
    ContactList part;
    part.namesLeftOut = list.namesLeftOut;
    part.unclosedQuoteLine = list.unclosedQuoteLine;
    part.stoppedAtLine = list.stoppedAtLine;
    QSet<QString> categories;
    for (int index : chosen) {
        if (index < 0 || index >= static_cast<int>(list.contacts.size()))
            continue;
        const ImportedContact& c = list.contacts[static_cast<std::size_t>(index)];
        Count(part, c);
        part.contacts.push_back(c);
        for (const QString& category : c.categories)
            categories.insert(category);
    }
    part.categories = SortedCategories(categories);
    return part;
}

ImportOutcome AddContacts(const ContactList& list, const std::vector<int>& chosen, int entriesNow,
                          const AddEntryFunction& add)
{
    ImportOutcome outcome;
    const int room = std::max(0, static_cast<int>(MAX_PHONEBOOK_ENTRIES) - entriesNow);
    if (static_cast<int>(chosen.size()) > room) {
        outcome.result = Msg::MaxEntriesReached;
        outcome.asked = static_cast<int>(chosen.size());
        outcome.room = room;
        return outcome;
    }
    for (int index : chosen) {
        if (index < 0 || index >= static_cast<int>(list.contacts.size()))
            continue;
        const ImportedContact& c = list.contacts[static_cast<std::size_t>(index)];
        add(c.name, c.number);
        ++outcome.added;
    }
    return outcome;
}

ImportOutcome ImportContacts(const QString& path, const ImportOptions& options, int entriesNow,
                             const AddEntryFunction& add, ContactList* list)
{
    ImportOutcome outcome;
    if (options.map.Empty() && options.phoneOrder.empty()) {
        outcome.result = Msg::NoColumnsSelected;
        return outcome;
    }
    DelimitedFile file;
    if (!file.Read(path, DelimitedFile::READ_AS_STRING)) {
        outcome.result = Msg::CouldNotImportFile;
        outcome.failure = file.Failure();
        return outcome;
    }
    // A map made for another file names columns this one lacks.
    std::vector<int> named = options.phoneOrder;
    for (int t = ImportFieldMap::kPhoneNumber; t <= ImportFieldMap::kLastName; ++t)
        named.push_back(options.map.Column(t));
    for (int column : named)
        if (column >= file.HeaderCount()) {
            outcome.result = Msg::CouldNotImportFile;
            return outcome;
        }
    ContactList read = ReadContacts(file, options);
    std::vector<int> all(read.contacts.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<int>(i);
    outcome = AddContacts(read, all, entriesNow, add);
    if (list)
        *list = std::move(read);
    return outcome;
}

QStringList ImportNotes(const ContactList& list)
{
    QStringList notes;
    if (list.unclosedQuoteLine > 0)
        notes << QCoreApplication::translate("ContactImport",
                                             "Line %1 opens a quoted field that never closes; the rest of the file was "
                                             "read as part of that field.")
                     .arg(list.unclosedQuoteLine);
    if (list.stoppedAtLine > 0)
        notes << QCoreApplication::translate("ContactImport",
                                             "The file holds more than any phone book import can use; only its lines "
                                             "before line %1 were read.")
                     .arg(list.stoppedAtLine);
    if (const int n = list.numbersFromOtherColumn)
        notes << (n == 1 ? QCoreApplication::translate("ContactImport",
                                                       "1 number came from another column, as the mapped one was empty.")
                         : QCoreApplication::translate(
                               "ContactImport", "%n numbers came from another column, as the mapped one was empty.",
                               nullptr, n));
    if (const int n = list.numbersRewritten)
        notes << (n == 1 ? QCoreApplication::translate("ContactImport",
                                                       "1 number was rewritten to dial as written (a \"+\" made the "
                                                       "international prefix, a \"(0)\" dropped, an extension made a pause).")
                         : QCoreApplication::translate("ContactImport",
                                                       "%n numbers were rewritten to dial as written (a \"+\" made the "
                                                       "international prefix, a \"(0)\" dropped, an extension made a pause).",
                                                       nullptr, n));
    if (const int n = list.namesLeftOut)
        notes << (n == 1 ? QCoreApplication::translate("ContactImport", "1 contact had no name and was left out.")
                         : QCoreApplication::translate("ContactImport", "%n contacts had no name and were left out.",
                                                       nullptr, n));
    if (const int n = list.namesFromOrganisation)
        notes << (n == 1 ? QCoreApplication::translate("ContactImport", "1 contact was named after its organisation.")
                         : QCoreApplication::translate("ContactImport",
                                                       "%n contacts were named after their organisation.", nullptr, n));
    if (list.droppedCharacters > 0)
        notes << DroppedCharactersText(list.droppedCharacters);
    return notes;
}

QString NoRoomText(int holds, int room)
{
    return holds == 1 ? QCoreApplication::translate("ContactImport", "The file holds 1 contact; the book has room for %1.")
                            .arg(room)
                      : QCoreApplication::translate("ContactImport", "The file holds %1 contacts; the book has room for %2.")
                            .arg(holds)
                            .arg(room);
}

FileFailure UnusableColumns(const DelimitedFile& file, const QString& path)
{
    if (file.HeaderCount() == 0)
        return FileFailure(path, FileFailure::Cause::NoColumns);
    if (file.HeaderCount() > ImportFieldMap::kMaxColumn)
        return FileFailure(path, FileFailure::Cause::TooManyColumns, FileFailure::Access::Read,
                           QString::number(ImportFieldMap::kMaxColumn));
    return {};
}

QString CouldNotReadText()
{
    return QCoreApplication::translate("ContactImport",
                                       "Error: Could not read the import file.  Check that it is formatted correctly.");
}

QString CouldNotReadText(const FileFailure& failure)
{
    //: The failure's message over the file's name and what is wrong with it.
    return failure.IsSet() ? QCoreApplication::translate("ContactImport", "%1\n%2").arg(CouldNotReadText(), failure.Text())
                           : CouldNotReadText();
}
