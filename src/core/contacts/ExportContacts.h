#pragma once

#include "core/common/FileFailure.h"
#include "core/common/Msg.h"

#include <QString>

#include <vector>

class PhonebookEntry;

// Writes phone-book entries to a contacts file, in UTF-8: a vCard 3.0 file when the name ends
// in ".vcf", else the comma-delimited file the importer reads back ("name","phone", then one
// quoted line per entry, quotes inside doubled, CR LF). The file is replaced whole or not at
// all. Msg::NoRecordsToWrite with no entries (no file is touched), Msg::CouldNotOpenFile when
// it cannot be made, Msg::CouldNotWriteExport when writing fails; then `failure`, when given,
// says why.
Msg ExportContacts(const QString& path, const std::vector<const PhonebookEntry*>& entries,
                   FileFailure* failure = nullptr);
