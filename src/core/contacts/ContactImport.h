#pragma once

#include "core/contacts/ImportFieldMap.h"

#include "core/common/Msg.h"

#include <QString>

#include <functional>
#include <string>

// What an import did.
struct ImportOutcome {
    Msg result = Msg::Ok;
    int added = 0;
    // Characters of names that the handset cannot store, left out (never turned into "?").
    int droppedCharacters = 0;
};

// Appends one entry: its name and number as the handset stores them (Windows-1252).
using AddEntryFunction = std::function<void(const std::string& name, const std::string& number)>;

// Imports every row of a contacts file as the wizard's Finish does: nothing when the map is
// empty (Msg::NoColumnsSelected), the file cannot be read (Msg::CouldNotImportFile) or the rows
// would take the book past 100 entries (Msg::MaxEntriesReached); otherwise one entry per row,
// the number keeping only digits, '#', '*' and 'P', the name being the first part, a space and
// the last part.
ImportOutcome ImportContacts(const QString& path, const ImportFieldMap& map, int entriesNow, const AddEntryFunction& add);

// "N characters that the handset cannot store were left out of the imported names."
QString DroppedCharactersText(int count);

// The dial string of a phone cell: its digits, '#', '*' and 'P'.
std::string DialCharacters(const QString& cell);
