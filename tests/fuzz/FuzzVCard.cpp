// vCard files of any shape: a read gives headers that start with "Name" and "Phone", no more
// than the typed phone columns allowed besides "Other Phone", "Organization" and "Categories",
// no header twice, no more rows than are kept, every cell fetchable, and the same table
// through the contacts reader.

#include "core/contacts/ContactText.h"
#include "core/contacts/DelimitedFile.h"
#include "core/contacts/VCardReader.h"

#include <QByteArray>
#include <QSet>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    DelimitedFile cards;
    VCardReader reader;
    const bool read = reader.Read(bytes, cards);
    if (read) {
        QString header;
        if (cards.RowCount() > DelimitedFile::kMaxRows || cards.HeaderCount() < 2 || cards.GetHeader(0, header) < 0 || header != VCardReader::kNameHeader ||
            cards.GetHeader(1, header) < 0 || header != VCardReader::kPhoneHeader)
            __builtin_trap();
        const QSet<QString> untyped = {VCardReader::kNameHeader, VCardReader::kPhoneHeader, VCardReader::kOtherPhoneHeader,
                                       VCardReader::kOrganizationHeader, VCardReader::kCategoriesHeader};
        QSet<QString> seen;
        int typed = 0;
        for (int c = 0; c < cards.HeaderCount(); ++c) {
            cards.GetHeader(c, header);
            if (seen.contains(header))
                __builtin_trap();
            seen.insert(header);
            typed += untyped.contains(header) ? 0 : 1;
        }
        if (typed > VCardReader::kMaxTypedColumns)
            __builtin_trap();
        QString cell;
        for (int c = 0; c < cards.HeaderCount(); ++c)
            for (int r = 0; r < cards.RowCount(); ++r)
                if (cards.GetString(c, r, cell) < 0)
                    __builtin_trap();
    }
    // The contacts reader decodes UTF-16 before the cards are read; other bytes go as they are.
    DelimitedFile file;
    if (!ContactText::IsUtf16(bytes) && file.ReadBytes(bytes, QStringLiteral("contacts.vcf")) &&
        (!read || file.HeaderCount() != cards.HeaderCount() || file.RowCount() != cards.RowCount()))
        __builtin_trap();
    return 0;
}
