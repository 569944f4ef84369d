#pragma once

#include <QByteArrayView>

#include <array>
#include <span>

// Splits a delimited file into records and their fields in one pass over its bytes, the way
// spreadsheets write them. A double quote at the start of a field opens a quoted field, which
// runs to the quote that is not doubled ("" stands for one quote) and may span lines; its line
// breaks are left out. Whatever follows the closing quote up to the next delimiter is kept as it
// is. A quote anywhere else is an ordinary character. CR alone, LF and CR LF all end a line.
//
// The fields are taken out in place: a field's text is moved down over its own quotes and line
// breaks, so that every field ends up as one piece of the bytes, and a plain field is not
// moved at all. Nothing is allocated.
class FieldSplitter {
public:
    struct Field {
        qsizetype offset = 0;  // in the bytes given
        qsizetype length = 0;
        bool endsRecord = false;
    };
    enum class Status { Field, End, TooLong };

    // Splits `text`, which it rewrites, on `delimiter`; a record of more than `maxRecord` bytes
    // (as written, quotes and line breaks included) stops the splitting.
    FieldSplitter(std::span<char> text, char delimiter, qsizetype maxRecord);

    // The next field, or End after the last record, or TooLong. A record ending in a delimiter
    // ends with one more, empty, field; an empty line is a record of one empty field.
    Status Next(Field& field);
    // The line (from 1) that opened a quoted field the text ended in; 0 while there is none.
    int UnclosedQuoteLine() const { return m_unclosedQuoteLine; }

    // The delimiter of a file that starts with `text`: a comma when its first record has one
    // outside quotes (or has none of semicolons and tabs either), else whichever of semicolon and
    // tab it has more of. Only the first `maxRecord` bytes are looked at.
    static char FindDelimiter(QByteArrayView text, qsizetype maxRecord);

private:
    // Past a line break at m_read (CR LF counts as one).
    void SkipLineBreak();

    std::span<char> m_text;
    char m_delimiter;
    qsizetype m_maxRecord;
    // The bytes that end a run of an unquoted and of a quoted field.
    std::array<bool, 256> m_endsPlain{};
    std::array<bool, 256> m_endsQuoted{};
    qsizetype m_read = 0;
    qsizetype m_recordStart = 0;
    bool m_inRecord = false;
    int m_line = 1;
    int m_unclosedQuoteLine = 0;
};
