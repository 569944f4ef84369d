#include "core/contacts/FieldSplitter.h"

#include <cstring>

namespace {

qsizetype Find(QByteArrayView line, char c, qsizetype from)
{
    if (from >= line.size())
        return line.size();
    const void* found = std::memchr(line.data() + from, c, static_cast<std::size_t>(line.size() - from));
    return found ? static_cast<const char*>(found) - line.data() : line.size();
}

}  // namespace

int FieldSplitter::Split()
{
    m_count = 0;
    const qsizetype n = m_line.size();
    if (n == 0)
        return 0;
    qsizetype p = 0;
    while (true) {
        const auto index = static_cast<std::size_t>(m_count++);
        if (index == m_fields.size()) {
            m_fields.emplace_back();
            m_buffers.emplace_back();
        }
        qsizetype end;
        if (p < n && m_line[p] == '"') {
            // Quoted: up to the quote that is not doubled. As long as the field is one piece of
            // the line it stays a view; a doubled quote or text after the closing quote makes it
            // a copy.
            const qsizetype start = p + 1;
            qsizetype quote = Find(m_line, '"', start);
            end = quote >= n ? n : Find(m_line, kSeparator, quote + 1);
            const bool plain = quote >= n || (quote + 1 == end);
            if (plain) {
                m_fields[index] = {false, start, quote - start};
            } else {
                std::string& buffer = m_buffers[index];
                buffer.clear();
                p = start;
                while (true) {
                    quote = Find(m_line, '"', p);
                    buffer.append(m_line.data() + p, static_cast<std::size_t>(quote - p));
                    p = quote;
                    if (p >= n)
                        break;  // no closing quote: the field ends with the line
                    if (p + 1 < n && m_line[p + 1] == '"') {
                        buffer += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                // Whatever follows the closing quote up to the separator is kept as it is.
                end = Find(m_line, kSeparator, p);
                buffer.append(m_line.data() + p, static_cast<std::size_t>(end - p));
                m_fields[index] = {true, 0, static_cast<qsizetype>(buffer.size())};
            }
        } else {
            end = Find(m_line, kSeparator, p);
            m_fields[index] = {false, p, end - p};
        }
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
    const auto index = static_cast<std::size_t>(i);
    const Piece& f = m_fields[index];
    // Buffers may move while later fields are split, so a view is made only when asked for.
    if (f.copied)
        return QByteArrayView(m_buffers[index].data(), f.length);
    return m_line.sliced(f.start, f.length);
}
