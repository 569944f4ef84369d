// Delimited contacts files of any shape, in any encoding: a read either fails with its error
// text or gives columns that all have the same number of rows, no more than are kept, every
// cell of which can be fetched, and tells truly which columns have values; and the import
// makes of it contacts the handset can store: names of at most 16 characters, numbers of dial
// characters only.

#include "core/contacts/ContactImport.h"
#include "core/contacts/DelimitedFile.h"
#include "core/contacts/ImportFieldMap.h"

#include <QByteArray>

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    DelimitedFile file;
    if (!file.ReadBytes(bytes, QStringLiteral("contacts.csv"))) {
        if (file.LastError().isEmpty())
            __builtin_trap();
        return 0;
    }
    if (file.HeaderCount() < 1 || file.UnclosedQuoteLine() < 0 || file.StoppedAtLine() < 0 ||
        file.RowCount() > DelimitedFile::kMaxRows)
        __builtin_trap();
    const std::vector<bool> withValues = file.ColumnsWithValues();
    if (withValues.size() != static_cast<std::size_t>(file.HeaderCount()))
        __builtin_trap();
    QString cell;
    for (int c = 0; c < file.HeaderCount(); ++c) {
        if (file.GetHeader(c, cell) < 0)
            __builtin_trap();
        bool any = false;
        for (int r = 0; r < file.RowCount(); ++r) {
            const int length = file.GetString(c, r, cell);
            if (length < 0 || length != cell.size())
                __builtin_trap();
            // Spaces and tabs alone are no value.
            any = any || std::any_of(cell.begin(), cell.end(), [](QChar ch) { return ch != u' ' && ch != u'\t'; });
        }
        // Not the other way round: a cell of a lone U+FEFF is kept, but reads as empty.
        if (any && !withValues[static_cast<std::size_t>(c)])
            __builtin_trap();
        if (file.GetString(c, file.RowCount(), cell) >= 0)
            __builtin_trap();
    }
    ImportOptions options;
    options.map = ImportFieldMap::Guess(file.Headers(), withValues);
    const ContactList list = ReadContacts(file, options);
    for (const ImportedContact& contact : list.contacts) {
        if (contact.name.empty() || contact.name.size() > 16 || contact.number.size() > 32 ||
            contact.number.find_first_not_of("0123456789#*P") != std::string::npos)
            __builtin_trap();
    }
    return 0;
}
