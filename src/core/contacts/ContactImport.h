#pragma once

#include "core/contacts/ImportFieldMap.h"

#include "core/common/FileFailure.h"
#include "core/common/Msg.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class DelimitedFile;

// How the rows of a contacts file become entries, beside the map itself.
struct ImportOptions {
    ImportFieldMap map;
    // The columns a number is taken from, in order: the first non-empty cell wins. Empty means
    // the default order: the map's phone column, then the file's other phone-number columns,
    // mobile ones first (ImportFieldMap::PhoneOrder). With no phone column mapped and no order
    // given, no number is imported.
    std::vector<int> phoneOrder;
    // What a leading "+" becomes: the prefix dialled before a country code.
    QString internationalPrefix = QStringLiteral("00");
    // Longer than any country's prefix for calls abroad.
    static constexpr int kMaxPrefixDigits = 6;

    // The columns a number is looked for in, for a file with these headers.
    std::vector<int> NumberOrder(const QStringList& headers) const;
};

// One contact of the file, as it would be added.
struct ImportedContact {
    std::string name;    // Windows-1252, at most 16 characters
    std::string number;  // dial characters, at most 32; empty when the row has none
    int row = 0;         // the row of the file it came from, from 0 (the line after the headers)
    // Trimmed, each once; Google's "* myContacts" and "* starred" left out, the "* " of its
    // other system groups ("* Friends") too.
    QStringList categories;
    // What was done to make it, for the counts of ContactList.
    bool numberFromOtherColumn = false;
    bool numberRewritten = false;
    bool nameFromOrganisation = false;
    int droppedCharacters = 0;
};

// Every contact of a file that can be added, and what was done to get there.
struct ContactList {
    std::vector<ImportedContact> contacts;
    // Every category some contact has, sorted, each once.
    QStringList categories;
    // Rows with no name, and no organisation to take one from: left out.
    int namesLeftOut = 0;
    int namesFromOrganisation = 0;
    // Numbers found in another column than the first of the order.
    int numbersFromOtherColumn = 0;
    // Numbers changed to dial as written: "+" made the international prefix, "(0)" dropped, an
    // extension made a pause.
    int numbersRewritten = 0;
    // Letters of names the handset cannot store, even after transliteration: left out.
    int droppedCharacters = 0;
    // The line that opened a quoted field that never closes; 0 when none did.
    int unclosedQuoteLine = 0;
    // The line the file was read up to, when it holds more than an import can use; 0 when it
    // was read whole.
    int stoppedAtLine = 0;
};

// What an import did.
struct ImportOutcome {
    Msg result = Msg::Ok;
    int added = 0;
    // Set with Msg::MaxEntriesReached: how many were asked for, and the room there was.
    int asked = 0;
    int room = 0;
    // Which file could not be read or written and why, when that was the failure.
    FileFailure failure;
};

// Appends one entry: its name and number as the handset stores them (Windows-1252).
using AddEntryFunction = std::function<void(const std::string& name, const std::string& number)>;

// The contacts of a file that has been read, under `options`. No I/O. (Not const: the file's
// getters keep their last error.) Columns the file does not have read as empty.
ContactList ReadContacts(DelimitedFile& file, const ImportOptions& options);

// The contacts of `list` at `chosen`, with the counts of those alone; the rows left out for
// want of a name and the unclosed quote belong to the file and stay.
ContactList ChosenContacts(const ContactList& list, const std::vector<int>& chosen);

// Adds the contacts of `list` at `chosen` (indices into list.contacts, in that order) to a book
// of `entriesNow` entries: nothing when more are chosen than there is room for
// (Msg::MaxEntriesReached, with asked and room set), else each through `add`.
ImportOutcome AddContacts(const ContactList& list, const std::vector<int>& chosen, int entriesNow,
                          const AddEntryFunction& add);

// Reads `path` and adds every contact (Msg::NoColumnsSelected when the map is empty and no phone
// order is given, Msg::CouldNotImportFile when the file cannot be read or lacks a column the
// map or the order names). `list`, when given, receives the contacts and the counts for the
// notes, also when they did not fit.
ImportOutcome ImportContacts(const QString& path, const ImportOptions& options, int entriesNow,
                             const AddEntryFunction& add, ContactList* list = nullptr);

// The sentences an import says afterwards, one per count that is not zero: the unclosed quote,
// numbers from another column, numbers rewritten, names left out, names from the organisation,
// letters dropped.
QStringList ImportNotes(const ContactList& list);

// "The file holds 5000 contacts; the book has room for 97."
QString NoRoomText(int holds, int room);

// Why a contacts file that was read cannot be imported: no column headings, or more columns
// than the field map takes. Not set when its columns will do.
FileFailure UnusableColumns(const DelimitedFile& file, const QString& path);

// "Error: Could not read the import file.  Check that it is formatted correctly."
QString CouldNotReadText();
// The same with the file and the cause under it, when `failure` says them.
QString CouldNotReadText(const FileFailure& failure);
