#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <string>
#include <vector>

// Splits one logical line of a comma-delimited file into its fields. A field that starts with a
// double quote runs to the quote that is not doubled ("" stands for one quote), and whatever
// follows that quote up to the next comma is kept as it is; any other field runs to the next
// comma and keeps its quotes. A line that ends with a comma ends with one more, empty, field.
// A field is a view into the line when it is a plain piece of it, and is copied into a buffer
// of its own only when its quotes must be taken out; the buffers are reused from one line to
// the next, so splitting costs no allocations once they have grown. The views last as long as
// the line.
class FieldSplitter {
public:
    static constexpr char kSeparator = ',';

    void SetLine(QByteArrayView line) { m_line = line; }
    // The number of fields; an empty line has none.
    int Split();
    int Count() const { return m_count; }
    // The i-th field, or an empty one when i is outside the fields.
    QByteArrayView Field(int i) const;

private:
    // A field: a piece of the line, or (when `copied`) the buffer of the same index.
    struct Piece {
        bool copied = false;
        qsizetype start = 0;
        qsizetype length = 0;
    };

    QByteArrayView m_line;
    std::vector<Piece> m_fields;
    std::vector<std::string> m_buffers;
    int m_count = 0;
};
