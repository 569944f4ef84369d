#include "core/contacts/DelimitedFile.h"

#include "core/contacts/ContactText.h"
#include "core/contacts/FieldSplitter.h"
#include "core/contacts/VCardReader.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <limits>

const char* const DelimitedFile::kUnknownError = "ERROR 0000: UNKNOWN ERROR";
const char* const DelimitedFile::kGetStringFailed = "ERROR 0001: An unknown error occurred in GetString()!";
const char* const DelimitedFile::kNotReadAsString =
    "ERROR 0003: GetString() was called while the dwReadFlags was not READ_AS_STRING.";
const char* const DelimitedFile::kFileNotFound = "ERROR 0007: File not found!";
const char* const DelimitedFile::kFileEmpty = "ERROR 0009: The file is empty.";
const char* const DelimitedFile::kIndexOutOfRange = "invalid vector<T> subscript";

namespace {

constexpr char kDelimiter = ',';

// One physical line from `at`: its text without the line feed and without a carriage return
// before it (files written on Windows end their lines with both), and where the next begins.
QByteArrayView PhysicalLine(QByteArrayView text, qsizetype& at)
{
    const qsizetype start = at;
    const void* found = std::memchr(text.data() + start, '\n', static_cast<std::size_t>(text.size() - start));
    const qsizetype end = found ? static_cast<const char*>(found) - text.data() : text.size();
    at = found ? end + 1 : text.size();
    qsizetype length = end - start;
    if (length > 0 && text[start + length - 1] == '\r')
        --length;
    return text.sliced(start, length);
}

qsizetype CountQuotes(QByteArrayView s)
{
    return std::count(s.begin(), s.end(), '"');
}

bool LooksLikeVCard(const QString& fileName, QByteArrayView bytes)
{
    const QString suffix = QFileInfo(fileName).suffix();
    if (suffix.compare(QLatin1String("vcf"), Qt::CaseInsensitive) == 0 ||
        suffix.compare(QLatin1String("vcard"), Qt::CaseInsensitive) == 0)
        return true;
    const QByteArrayView start = ContactText::WithoutBom(bytes).trimmed();
    return start.size() >= 11 && start.first(11).compare("BEGIN:VCARD", Qt::CaseInsensitive) == 0;
}

}  // namespace

void DelimitedFile::Clear()
{
    m_text.clear();
    m_headers.clear();
    m_headerFileNames.clear();
    m_cells.clear();
    m_rows.clear();
    m_lastError.clear();
}

bool DelimitedFile::Fail(const char* text)
{
    m_lastError = QString::fromLatin1(text);
    return false;
}

bool DelimitedFile::Read(const QString& fileName, std::uint32_t flags)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        Clear();
        m_fileName = fileName;
        m_readFlags = flags;
        m_lastError = QString::fromLatin1(kFileNotFound) + QStringLiteral("\nDetails: ") + fileName;
        return false;
    }
    if (file.size() > kMaxFileSize) {
        Clear();
        return Fail(kUnknownError);
    }
    QByteArray bytes;
    try {
        bytes = file.readAll();
    } catch (const std::bad_alloc&) {
        Clear();
        return Fail(kUnknownError);
    }
    if (file.error() != QFileDevice::NoError) {
        Clear();
        return Fail(kUnknownError);
    }
    return ReadBytes(bytes, fileName, flags);
}

bool DelimitedFile::ReadBytes(const QByteArray& bytes, const QString& fileName, std::uint32_t flags)
{
    Clear();
    m_fileName = fileName;
    m_readFlags = flags;
    if (ContactText::WithoutBom(bytes).isEmpty())
        return Fail(kFileEmpty);
    try {
        if (LooksLikeVCard(fileName, bytes)) {
            VCardReader cards;
            if (!cards.Read(bytes))
                return Fail(kUnknownError);
            SetTable(cards.Headers(), cards.Rows());
            return true;
        }
        // Parsed in place when it is UTF-8 already; converted first otherwise.
        const QByteArrayView body = ContactText::WithoutBom(bytes);
        if (ContactText::IsUtf8(body))
            return ParseDelimited(body);
        return ParseDelimited(ContactText::ToUtf8(body));
    } catch (const std::bad_alloc&) {
        return Fail(kUnknownError);
    }
}

void DelimitedFile::AddColumn(QByteArrayView header)
{
    m_headers.push_back(QString::fromUtf8(header));
    m_headerFileNames.push_back(m_fileName);
}

void DelimitedFile::StartRow()
{
    m_rows.push_back({m_cells.size(), 0});
}

// Room for cells is made as rows come, not reserved up front for every column.
void DelimitedFile::AppendCell(QByteArrayView text)
{
    if (static_cast<quint64>(m_text.size()) + static_cast<quint64>(text.size()) > std::numeric_limits<std::uint32_t>::max())
        throw std::bad_alloc();
    m_cells.push_back({static_cast<std::uint32_t>(m_text.size()), static_cast<std::uint32_t>(text.size())});
    ++m_rows.back().cellCount;
    m_text.append(text.data(), static_cast<std::size_t>(text.size()));
}

bool DelimitedFile::ParseDelimited(QByteArrayView text)
{
    // The header count: one more than the delimiters outside quotes on the first line.
    int count = 1;
    bool quoted = false;
    qsizetype i = 0;
    for (; i < text.size() && text[i] != '\n' && text[i] != '\r'; ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (text[i] == kDelimiter && !quoted)
            ++count;
    }
    // The headers are the raw texts between delimiters, quotes and all; the last runs to the
    // end of the line.
    qsizetype at = 0;
    const QByteArrayView headerLine = PhysicalLine(text, at);
    if (headerLine.size() > kMaxLogicalLine)
        return Fail(kUnknownError);
    qsizetype from = 0;
    for (int k = 0; k < count; ++k) {
        qsizetype to = headerLine.size();
        if (k + 1 < count) {
            const void* comma = std::memchr(headerLine.data() + from, kDelimiter, static_cast<std::size_t>(headerLine.size() - from));
            if (!comma)
                return Fail(kUnknownError);
            to = static_cast<const char*>(comma) - headerLine.data();
        }
        AddColumn(headerLine.sliced(from, to - from));
        from = to + 1;
    }

    // The cells' text is never longer than the file's.
    m_text.reserve(static_cast<std::size_t>(text.size()));
    FieldSplitter splitter;
    QByteArray joined;
    while (at < text.size()) {
        // A logical line: physical lines joined, without their breaks, until its quotes pair up.
        QByteArrayView line = PhysicalLine(text, at);
        qsizetype quotes = CountQuotes(line);
        if (quotes % 2 != 0) {
            joined = line.toByteArray();
            while (quotes % 2 != 0 && at < text.size()) {
                const QByteArrayView more = PhysicalLine(text, at);
                quotes += CountQuotes(more);
                joined.append(more);
                if (joined.size() > kMaxLogicalLine)
                    return Fail(kUnknownError);
            }
            line = joined;
        }
        if (line.size() > kMaxLogicalLine)
            return Fail(kUnknownError);
        // An empty line at the very end is no row; an empty line elsewhere is one.
        if (line.isEmpty() && at >= text.size())
            break;
        splitter.SetLine(line);
        // Fields past the last column are dropped; missing ones read as empty.
        const int fields = std::min(splitter.Split(), HeaderCount());
        StartRow();
        for (int c = 0; c < fields; ++c)
            AppendCell(splitter.Field(c));
    }
    return true;
}

int DelimitedFile::GetHeader(int column, QString& out)
{
    if (column < 0 || column >= HeaderCount()) {
        m_lastError = QString::fromLatin1(kIndexOutOfRange);
        return -1;
    }
    out = m_headers[static_cast<std::size_t>(column)];
    return static_cast<int>(out.size());
}

int DelimitedFile::GetString(int column, int row, QString& out)
{
    if (m_readFlags != READ_AS_STRING) {
        m_lastError = QString::fromLatin1(kNotReadAsString);
        return -1;
    }
    if (column < 0 || column >= HeaderCount() || row < 0 || row >= RowCount()) {
        m_lastError = QString::fromLatin1(kIndexOutOfRange);
        return -1;
    }
    const Row& r = m_rows[static_cast<std::size_t>(row)];
    if (static_cast<std::uint32_t>(column) >= r.cellCount) {
        out.clear();
        return 0;
    }
    const Cell cell = m_cells[r.firstCell + static_cast<std::size_t>(column)];
    out = QString::fromUtf8(m_text.data() + cell.offset, static_cast<qsizetype>(cell.length));
    return static_cast<int>(out.size());
}

void DelimitedFile::SetTable(const QStringList& headers, const std::vector<QStringList>& rows)
{
    const QString error = m_lastError;
    Clear();
    m_lastError = error;
    for (const QString& h : headers)
        AddColumn(h.toUtf8());
    for (const QStringList& row : rows) {
        StartRow();
        for (qsizetype c = 0; c < std::min<qsizetype>(row.size(), headers.size()); ++c)
            AppendCell(row[c].toUtf8());
    }
}

// (stand-in until the reader's rework lands)
std::vector<bool> DelimitedFile::ColumnsWithValues() const
{
    std::vector<bool> with(m_headers.size(), false);
    for (const Row& r : m_rows) {
        for (std::uint32_t c = 0; c < r.cellCount && c < with.size(); ++c) {
            const Cell cell = m_cells[r.firstCell + c];
            const char* text = m_text.data() + cell.offset;
            if (std::any_of(text, text + cell.length, [](char ch) { return ch != ' ' && ch != '\t'; }))
                with[c] = true;
        }
    }
    return with;
}
