// vCard files of any shape: a read gives rows exactly as wide as the headers, which start with
// "Name" and "Phone", and the same table through the contacts reader.

#include "core/contacts/DelimitedFile.h"
#include "core/contacts/VCardReader.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    VCardReader cards;
    if (cards.Read(bytes)) {
        if (cards.Headers().size() < 2 || cards.Headers()[0] != VCardReader::kNameHeader)
            __builtin_trap();
        for (const QStringList& row : cards.Rows())
            if (row.size() != cards.Headers().size())
                __builtin_trap();
    }
    DelimitedFile file;
    if (file.ReadBytes(bytes, QStringLiteral("contacts.vcf")) &&
        (file.HeaderCount() != cards.Headers().size() || file.RowCount() != static_cast<int>(cards.Rows().size())))
        __builtin_trap();
    return 0;
}
