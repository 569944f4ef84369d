#pragma once

#include "core/contacts/DelimitedFile.h"

#include <QStringList>

// The cells of one row of a contacts file, one per column; empty when there is no such row.
inline QStringList Row(DelimitedFile& f, int row)
{
    QStringList cells;
    for (int c = 0; c < f.HeaderCount(); ++c) {
        QString text;
        if (f.GetString(c, row, text) < 0)
            return {};
        cells.append(text);
    }
    return cells;
}
