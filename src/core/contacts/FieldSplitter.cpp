#include "core/contacts/FieldSplitter.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char kQuote = '"';

bool IsLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

// The delimiters outside quotes in the first record of `text`, split on `delimiter`, and where
// that record's line break is (the text's end when it has none).
struct Counted {
    qsizetype count = 0;
    qsizetype end = 0;
};

Counted CountDelimiters(QByteArrayView text, char delimiter)
{
    Counted counted{0, text.size()};
    bool quoted = false;
    bool fieldStart = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == kQuote) {
                if (i + 1 < text.size() && text[i + 1] == kQuote)
                    ++i;
                else
                    quoted = false;
            }
            continue;
        }
        if (c == delimiter) {
            ++counted.count;
            fieldStart = true;
            continue;
        }
        if (IsLineBreak(c)) {
            counted.end = i;
            break;
        }
        quoted = c == kQuote && fieldStart;
        fieldStart = false;
    }
    return counted;
}

// The text from the first line after `from` that holds more than spaces, tabs and delimiters:
// a spreadsheet's blank row (",,,") says nothing about the columns.
QByteArrayView NextLineWithText(QByteArrayView text, qsizetype from)
{
    qsizetype at = from;
    while (at < text.size()) {
        while (at < text.size() && IsLineBreak(text[at]))
            ++at;
        const qsizetype start = at;
        bool blank = true;
        while (at < text.size() && !IsLineBreak(text[at])) {
            const char c = text[at++];
            blank = blank && (c == ' ' || c == '\t' || c == ',' || c == ';');
        }
        if (!blank)
            return text.sliced(start);
    }
    return {};
}

}  // namespace

FieldSplitter::FieldSplitter(std::span<char> text, char delimiter, qsizetype maxRecord, int firstLine)
    : m_text(text), m_delimiter(delimiter), m_maxRecord(maxRecord), m_line(firstLine), m_recordLine(firstLine)
{
    for (auto* ends : {&m_endsPlain, &m_endsQuoted}) {
        (*ends)[static_cast<unsigned char>('\r')] = true;
        (*ends)[static_cast<unsigned char>('\n')] = true;
    }
    m_endsPlain[static_cast<unsigned char>(delimiter)] = true;
    m_endsQuoted[static_cast<unsigned char>(kQuote)] = true;
}

void FieldSplitter::SkipLineBreak()
{
    const auto size = static_cast<qsizetype>(m_text.size());
    if (m_text[static_cast<std::size_t>(m_read)] == '\r' && m_read + 1 < size &&
        m_text[static_cast<std::size_t>(m_read + 1)] == '\n')
        ++m_read;
    ++m_read;
    ++m_line;
}

FieldSplitter::Status FieldSplitter::Next(Field& field)
{
    const auto size = static_cast<qsizetype>(m_text.size());
    if (!m_inRecord) {
        if (m_read >= size)
            return Status::End;
        m_recordStart = m_read;
        m_recordLine = m_line;
    }
    char* const text = m_text.data();
    // The record may not be read past this; reaching it before the text's end is too long.
    const qsizetype limit = std::min(size, m_recordStart + m_maxRecord + 1);
    bool quoted = false;
    int quoteLine = 0;
    if (m_read < size && text[m_read] == kQuote) {
        quoted = true;
        quoteLine = m_line;
        ++m_read;
    }
    const qsizetype start = m_read;
    qsizetype write = start;
    // Keeps the run [from, m_read) as the field's next piece.
    const auto keep = [&](qsizetype from) {
        const qsizetype n = m_read - from;
        if (write != from)
            std::memmove(text + write, text + from, static_cast<std::size_t>(n));
        write += n;
    };
    const auto done = [&](bool endsRecord) {
        field = {start, write - start, endsRecord};
        m_inRecord = !endsRecord;
        return Status::Field;
    };

    while (true) {
        const qsizetype from = m_read;
        const std::array<bool, 256>& stops = quoted ? m_endsQuoted : m_endsPlain;
        while (m_read < limit && !stops[static_cast<unsigned char>(text[m_read])])
            ++m_read;
        keep(from);
        if (m_read >= limit) {
            if (m_read < size)
                return Status::TooLong;
            // The end of the text ends the field, quoted or not, and its record.
            if (quoted)
                m_unclosedQuoteLine = quoteLine;
            return done(true);
        }
        const char c = text[m_read];
        if (quoted) {
            if (c == kQuote) {
                if (m_read + 1 < size && text[m_read + 1] == kQuote) {
                    text[write++] = kQuote;
                    m_read += 2;
                } else {
                    quoted = false;  // what follows up to the delimiter stays in the field
                    ++m_read;
                }
            } else {
                SkipLineBreak();  // the lines of a quoted field are joined with nothing between
            }
            continue;
        }
        if (c == m_delimiter) {
            ++m_read;
            return done(false);
        }
        SkipLineBreak();
        return done(true);
    }
}

char FieldSplitter::FindDelimiter(QByteArrayView text, qsizetype maxRecord)
{
    text = text.first(std::min(text.size(), maxRecord));
    // A delimiter the next line has as many of as the header beats one it has not; then the
    // one the header has most of; a tie goes to the earlier in this order.
    char best = ',';
    bool bestAgrees = false;
    qsizetype most = -1;
    for (const char delimiter : {',', ';', '\t'}) {
        const Counted header = CountDelimiters(text, delimiter);
        const bool agrees =
            header.count > 0 && CountDelimiters(NextLineWithText(text, header.end), delimiter).count == header.count;
        if (agrees > bestAgrees || (agrees == bestAgrees && header.count > most)) {
            best = delimiter;
            bestAgrees = agrees;
            most = header.count;
        }
    }
    return best;
}
