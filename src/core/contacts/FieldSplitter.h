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
    // (as written, quotes and line breaks included) stops the splitting. The text starts on
    // line `firstLine` of its file, which the lines told count from.
    FieldSplitter(std::span<char> text, char delimiter, qsizetype maxRecord, int firstLine);

    // The next field, or End after the last record, or TooLong. A record ending in a delimiter
    // ends with one more, empty, field; an empty line is a record of one empty field.
    Status Next(Field& field);
    // The line (from 1) that opened a quoted field the text ended in; 0 while there is none.
    int UnclosedQuoteLine() const { return m_unclosedQuoteLine; }
    // The line that the record of the last field starts on.
    int RecordLine() const { return m_recordLine; }

    // The delimiter of a file that starts with `text`: of comma, semicolon and tab, one that the
    // first line with text after the header has as many of as the header, outside quotes, beats
    // one it has not; then the one the header has most of; a tie goes to the comma, then the
    // semicolon; a comma when the header has none of them (one column). Headers name columns
    // such as "Phone, private" or "Phone (home, work)" with a comma in them unquoted, and the
    // rows under them show which character really parts the columns. Only the first
    // `maxRecord` bytes are looked at.
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
    int m_line;
    int m_recordLine;
    int m_unclosedQuoteLine = 0;
};
