// Comma-delimited contacts files of any shape: a read either fails with its error text or gives
// columns that all have the same number of rows, every cell of which can be fetched.

#include "core/contacts/DelimitedFile.h"

#include <QByteArray>

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
    if (file.HeaderCount() < 1)
        __builtin_trap();
    QString cell;
    for (int c = 0; c < file.HeaderCount(); ++c) {
        if (file.GetHeader(c, cell) < 0)
            __builtin_trap();
        for (int r = 0; r < file.RowCount(); ++r)
            if (file.GetString(c, r, cell) < 0)
                __builtin_trap();
        if (file.GetString(c, file.RowCount(), cell) >= 0)
            __builtin_trap();
    }
    return 0;
}
