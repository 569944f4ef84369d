#include "core/contacts/ContactImport.h"

#include "core/contacts/DelimitedFile.h"

#include "core/common/Cp1252.h"
#include "core/phonebook/PhonebookLimits.h"

QString DroppedCharactersText(int count)
{
    return count == 1 ? QStringLiteral("1 character that the handset cannot store was left out of the imported names.")
                      : QStringLiteral("%1 characters that the handset cannot store were left out of the imported names.")
                            .arg(count);
}

std::string DialCharacters(const QString& cell)
{
    std::string out;
    for (QChar c : cell) {
        const char16_t u = c.unicode();
        if ((u >= u'0' && u <= u'9') || u == u'#' || u == u'*' || u == u'P')
            out += static_cast<char>(u);
    }
    return out;
}

ImportOutcome ImportContacts(const QString& path, const ImportFieldMap& map, int entriesNow, const AddEntryFunction& add)
{
    ImportOutcome outcome;
    if (map.Empty()) {
        outcome.result = Msg::NoColumnsSelected;
        return outcome;
    }
    DelimitedFile file;
    if (!file.Read(path, DelimitedFile::READ_AS_STRING)) {
        outcome.result = Msg::CouldNotImportFile;
        return outcome;
    }
    QString cell;
    int rows = 0;
    while (file.GetString(0, rows, cell) >= 0)
        ++rows;
    if (entriesNow + rows > static_cast<int>(MAX_PHONEBOOK_ENTRIES)) {
        outcome.result = Msg::MaxEntriesReached;
        return outcome;
    }
    const int phone = map.Column(ImportFieldMap::kPhoneNumber);
    const int first = map.Column(ImportFieldMap::kFirstName);
    const int last = map.Column(ImportFieldMap::kLastName);
    for (int r = 0; r < rows; ++r) {
        std::string number;
        QString name;
        if (phone >= 0) {
            if (file.GetString(phone, r, cell) < 0) {
                outcome.result = Msg::CouldNotImportFile;
                return outcome;
            }
            number = DialCharacters(cell);
        }
        if (first >= 0) {
            if (file.GetString(first, r, cell) < 0) {
                outcome.result = Msg::CouldNotImportFile;
                return outcome;
            }
            name = cell;
        }
        if (last >= 0) {
            if (file.GetString(last, r, cell) < 0) {
                outcome.result = Msg::CouldNotImportFile;
                return outcome;
            }
            name += u' ' + cell;
        }
        add(Cp1252::FromUnicodeDropping(name, outcome.droppedCharacters), number);
        ++outcome.added;
    }
    return outcome;
}
