#include "core/contacts/FieldSplitter.h"

#include <cstring>

int FieldSplitter::Split()
{
    m_count = 0;
    const qsizetype n = m_line.size();
    if (n == 0)
        return 0;
    qsizetype p = 0;
    while (true) {
        if (static_cast<std::size_t>(m_count) == m_fields.size())
            m_fields.emplace_back();
        QByteArray& field = m_fields[static_cast<std::size_t>(m_count++)];
        field.clear();
        if (p < n && m_line[p] == '"') {
            ++p;
            while (p < n) {
                const void* found = std::memchr(m_line.data() + p, '"', static_cast<std::size_t>(n - p));
                const qsizetype quote = found ? static_cast<const char*>(found) - m_line.data() : n;
                field.append(m_line.sliced(p, quote - p));
                p = quote;
                if (p >= n)
                    break;  // no closing quote: the field ends with the line
                if (p + 1 < n && m_line[p + 1] == '"') {
                    field += '"';
                    p += 2;
                    continue;
                }
                ++p;
                break;
            }
        }
        // Up to the separator: the whole of an unquoted field, the rest after a closing quote.
        const void* comma = p < n ? std::memchr(m_line.data() + p, kSeparator, static_cast<std::size_t>(n - p)) : nullptr;
        const qsizetype end = comma ? static_cast<const char*>(comma) - m_line.data() : n;
        field.append(m_line.sliced(p, end - p));
        if (end >= n)
            break;
        p = end + 1;  // past the separator; a separator at the very end leaves one empty field
    }
    return m_count;
}

QByteArrayView FieldSplitter::Field(int i) const
{
    if (i < 0 || i >= m_count)
        return {};
    return m_fields[static_cast<std::size_t>(i)];
}
