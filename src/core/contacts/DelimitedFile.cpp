#include "core/contacts/DelimitedFile.h"

#include "core/contacts/ContactText.h"
#include "core/contacts/FieldSplitter.h"
#include "core/contacts/VCardReader.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <new>
#include <span>

const char* const DelimitedFile::kUnknownError = "ERROR 0000: UNKNOWN ERROR";
const char* const DelimitedFile::kGetStringFailed = "ERROR 0001: An unknown error occurred in GetString()!";
const char* const DelimitedFile::kNotReadAsString =
    "ERROR 0003: GetString() was called while the dwReadFlags was not READ_AS_STRING.";
const char* const DelimitedFile::kFileNotFound = "ERROR 0007: File not found!";
const char* const DelimitedFile::kFileEmpty = "ERROR 0009: The file is empty.";
const char* const DelimitedFile::kIndexOutOfRange = "invalid vector<T> subscript";

namespace {

// Cells are placed in the buffer with 32-bit offsets.
constexpr qsizetype kMaxBuffer = std::numeric_limits<std::uint32_t>::max();

bool LooksLikeVCard(const QString& fileName, QByteArrayView bytes)
{
    const QString suffix = QFileInfo(fileName).suffix();
    if (suffix.compare(QLatin1String("vcf"), Qt::CaseInsensitive) == 0 ||
        suffix.compare(QLatin1String("vcard"), Qt::CaseInsensitive) == 0)
        return true;
    const QByteArrayView start = ContactText::WithoutBom(bytes).trimmed();
    return start.size() >= 11 && start.first(11).compare("BEGIN:VCARD", Qt::CaseInsensitive) == 0;
}

// Excel writes a blank row as a line of delimiters, and some programs pad cells with spaces.
bool IsBlank(QByteArrayView text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// Where the first line with more than spaces, tabs and delimiters in it starts (the text's end
// when there is none), and how many lines come before it: Excel writes a blank top row as ",,".
std::pair<qsizetype, int> FirstLineWithText(QByteArrayView text)
{
    qsizetype start = 0;
    int lines = 0;
    while (true) {
        qsizetype at = start;
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t' || text[at] == ',' || text[at] == ';'))
            ++at;
        if (at == text.size())
            return {at, lines};
        if (text[at] != '\r' && text[at] != '\n')
            return {start, lines};
        at += text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
        start = at;
        ++lines;
    }
}

// At most how many lines and fields the text has (CR LF counts twice here): each field ends at
// a delimiter, a line end or the end of the text. Room reserved beyond what is used is never
// touched, so it takes address space but no memory.
std::pair<qsizetype, qsizetype> CountLinesAndFields(QByteArrayView text, char delimiter)
{
    // Counted in blocks that a byte-wide counter holds, which compilers turn into vector code.
    constexpr qsizetype kBlock = 255;
    qsizetype lineEnds = 0, delimiters = 0;
    for (qsizetype at = 0; at < text.size(); at += kBlock) {
        const char* const block = text.data() + at;
        const qsizetype n = std::min(kBlock, text.size() - at);
        std::uint8_t ends = 0, delims = 0;
        for (qsizetype i = 0; i < n; ++i) {
            ends += static_cast<std::uint8_t>((block[i] == '\n') | (block[i] == '\r'));
            delims += static_cast<std::uint8_t>(block[i] == delimiter);
        }
        lineEnds += ends;
        delimiters += delims;
    }
    return {lineEnds + 1, lineEnds + delimiters + 1};
}

}  // namespace

void DelimitedFile::Clear()
{
    m_text = QByteArray();
    m_headers = {};
    m_cells = {};
    m_rowStarts = {};
    m_lastError.clear();
    m_failure = FileFailure();
    m_unclosedQuoteLine = 0;
    m_stoppedAtLine = 0;
}

bool DelimitedFile::Fail(const char* text)
{
    m_lastError = QString::fromLatin1(text);
    if (text == kFileEmpty && !m_fileName.isEmpty())
        m_failure = FileFailure(m_fileName, FileFailure::Cause::Empty);
    return false;
}

bool DelimitedFile::Read(const QString& fileName, std::uint32_t flags)
{
    Clear();
    m_fileName = fileName;
    m_readFlags = flags;
    // Memory the system will not give fails the read, wherever it runs short.
    try {
        return ReadFile(fileName);
    } catch (const std::bad_alloc&) {
        return Fail(kUnknownError);
    }
}

bool DelimitedFile::ReadBytes(const QByteArray& bytes, const QString& fileName, std::uint32_t flags)
{
    Clear();
    m_fileName = fileName;
    m_readFlags = flags;
    try {
        return Load(bytes);
    } catch (const std::bad_alloc&) {
        return Fail(kUnknownError);
    }
}

bool DelimitedFile::ReadFile(const QString& fileName)
{
    // Looked at before it is opened: opening a pipe waits for a writer, and a device never ends.
    QFile file(fileName);
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly)) {
        m_failure = FileFailure::OfRead(fileName, &file);
        m_lastError = QString::fromLatin1(kFileNotFound) + QStringLiteral("\nDetails: ") + fileName;
        return false;
    }
    const auto tooLarge = [&] {
        m_failure = FileFailure(fileName, FileFailure::Cause::System, FileFailure::Access::Read,
                                FileFailure::tr("it is larger than the %1 MB a contacts file may be").arg(kMaxFileSize >> 20));
        return Fail(kUnknownError);
    };
    if (file.size() > kMaxFileSize)
        return tooLarge();
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_failure = FileFailure::OfRead(fileName, &file);
        return Fail(kUnknownError);
    }
    // A file that grew while it was read is held to the same bound.
    if (bytes.size() > kMaxFileSize)
        return tooLarge();
    file.close();
    return Load(std::move(bytes));
}

bool DelimitedFile::Load(QByteArray bytes)
{
    if (ContactText::IsUtf16(bytes))
        bytes = ContactText::ToUtf8(bytes);
    const QByteArrayView body = ContactText::WithoutBom(bytes);
    if (body.isEmpty())
        return Fail(kFileEmpty);
    if (LooksLikeVCard(m_fileName, body)) {
        // The cards' own character sets apply to the bytes as they are.
        VCardReader cards;
        return cards.Read(bytes, *this) || Fail(kUnknownError);
    }
    // UTF-8 is split where it lies; anything else is converted first, once. (The whole
    // bytes go to the conversion: what follows a UTF-8 byte-order mark is never UTF-16.)
    qsizetype begin = bytes.size() - body.size();
    if (!ContactText::IsUtf8(body)) {
        bytes = ContactText::ToUtf8(bytes);
        begin = 0;
    }
    if (bytes.size() == begin)
        return Fail(kFileEmpty);
    if (bytes.size() > kMaxBuffer)
        return Fail(kUnknownError);
    m_text = std::move(bytes);
    return ParseDelimited(begin);
}

DelimitedFile::Text DelimitedFile::Place(qsizetype offset, qsizetype length) const
{
    return {static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(length)};
}

DelimitedFile::Text DelimitedFile::Append(QByteArrayView text)
{
    if (m_text.size() + text.size() > kMaxBuffer)
        throw std::bad_alloc();
    const Text placed = Place(m_text.size(), text.size());
    m_text.append(text);
    return placed;
}

int DelimitedFile::AddColumn(QByteArrayView header)
{
    m_headers.push_back(Append(header));
    return HeaderCount() - 1;
}

bool DelimitedFile::StartRow(int line)
{
    if (RowCount() >= kMaxRows || m_cells.size() >= static_cast<std::size_t>(kMaxCells)) {
        m_stoppedAtLine = line;
        return false;
    }
    m_rowStarts.push_back(static_cast<std::uint32_t>(m_cells.size()));
    return true;
}

void DelimitedFile::AddCell(int column, QByteArrayView text)
{
    if (text.isEmpty() || m_rowStarts.empty() || column < 0 || column >= HeaderCount())
        return;
    const auto first = static_cast<std::ptrdiff_t>(m_rowStarts.back());
    const auto at = static_cast<std::ptrdiff_t>(
        std::lower_bound(m_cells.begin() + first, m_cells.end(), static_cast<std::uint32_t>(column),
                         [](const Cell& cell, std::uint32_t c) { return cell.column < c; }) -
        m_cells.begin());
    if (at < static_cast<std::ptrdiff_t>(m_cells.size()) && m_cells[static_cast<std::size_t>(at)].column == static_cast<std::uint32_t>(column))
        return;
    const Text placed = Append(text);
    m_cells.insert(m_cells.begin() + at, Cell{placed, static_cast<std::uint32_t>(column)});
}

bool DelimitedFile::ParseDelimited(qsizetype begin)
{
    // Some exports start with an empty line; the header is the first line with text in it.
    const auto [header, linesBefore] = FirstLineWithText(QByteArrayView(m_text).sliced(begin));
    begin += header;
    if (begin == m_text.size())
        return Fail(kFileEmpty);
    const std::span<char> text(m_text.data() + begin, static_cast<std::size_t>(m_text.size() - begin));
    const QByteArrayView all(text.data(), m_text.size() - begin);
    const char delimiter = FieldSplitter::FindDelimiter(all, kMaxLogicalLine);
    FieldSplitter splitter(text, delimiter, kMaxLogicalLine, 1 + linesBefore);
    FieldSplitter::Field field;
    const auto viewOf = [&](const FieldSplitter::Field& f) { return QByteArrayView(text.data() + f.offset, f.length); };

    // The header count: one more than the delimiters outside quotes on the first line. The
    // headers lose their quotes as cells do, and the spaces around them.
    FieldSplitter::Status status;
    while ((status = splitter.Next(field)) == FieldSplitter::Status::Field) {
        const QByteArrayView raw = viewOf(field);
        const QByteArrayView trimmed = raw.trimmed();
        m_headers.push_back(Place(begin + field.offset + (trimmed.data() - raw.data()), trimmed.size()));
        if (field.endsRecord)
            break;
    }
    if (status == FieldSplitter::Status::TooLong)
        return Fail(kUnknownError);

    // Room for as many rows and cells as the text can have, up to the bounds, made at once:
    // grown by doubling, the old and the new storage are held together, up to three times what
    // the cells need. Room the system will not give for a text of odd shape is only a lost
    // shortcut.
    const auto [lines, fields] = CountLinesAndFields(all, delimiter);
    try {
        m_rowStarts.reserve(static_cast<std::size_t>(std::min(lines, qsizetype(kMaxRows))));
        m_cells.reserve(static_cast<std::size_t>(
            std::min({fields, lines * static_cast<qsizetype>(m_headers.size()), qsizetype(kMaxCells)})));
    } catch (const std::bad_alloc&) {
    }

    // Fields past the last column are dropped; missing and empty ones are not kept, and read as
    // empty. A record is a row or a blank line only at its end, so one past the bounds is read
    // to its end before the reading stops at its line.
    const auto columns = static_cast<std::uint32_t>(m_headers.size());
    std::uint32_t column = 0;
    std::size_t rowStart = m_cells.size();
    bool blank = true;
    bool tooManyCells = false;
    const auto stop = [&] {
        m_cells.resize(rowStart);
        m_stoppedAtLine = splitter.RecordLine();
        return true;
    };
    while ((status = splitter.Next(field)) == FieldSplitter::Status::Field) {
        if (column < columns && field.length > 0) {
            blank = blank && IsBlank(viewOf(field));
            if (m_cells.size() < static_cast<std::size_t>(kMaxCells))
                m_cells.push_back({Place(begin + field.offset, field.length), column});
            else
                tooManyCells = true;
        }
        ++column;
        if (!field.endsRecord)
            continue;
        if (blank) {
            m_cells.resize(rowStart);
        } else if (tooManyCells || RowCount() >= kMaxRows) {
            return stop();
        } else {
            m_rowStarts.push_back(static_cast<std::uint32_t>(rowStart));
        }
        column = 0;
        rowStart = m_cells.size();
        blank = true;
        tooManyCells = false;
    }
    if (status == FieldSplitter::Status::TooLong) {
        // Past the bounds no line is read, however long.
        if (tooManyCells || RowCount() >= kMaxRows || m_cells.size() >= static_cast<std::size_t>(kMaxCells))
            return stop();
        return Fail(kUnknownError);
    }
    m_unclosedQuoteLine = splitter.UnclosedQuoteLine();
    return true;
}

std::pair<std::size_t, std::size_t> DelimitedFile::CellsOf(int row) const
{
    const auto r = static_cast<std::size_t>(row);
    const std::size_t end = r + 1 < m_rowStarts.size() ? m_rowStarts[r + 1] : m_cells.size();
    return {m_rowStarts[r], end};
}

int DelimitedFile::GetHeader(int column, QString& out)
{
    if (column < 0 || column >= HeaderCount()) {
        m_lastError = QString::fromLatin1(kIndexOutOfRange);
        return -1;
    }
    const Text header = m_headers[static_cast<std::size_t>(column)];
    out = QString::fromUtf8(m_text.constData() + header.offset, static_cast<qsizetype>(header.length));
    return static_cast<int>(out.size());
}

QStringList DelimitedFile::Headers() const
{
    QStringList headers;
    headers.reserve(HeaderCount());
    for (const Text& header : m_headers)
        headers.append(QString::fromUtf8(m_text.constData() + header.offset, static_cast<qsizetype>(header.length)));
    return headers;
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
    const auto [first, end] = CellsOf(row);
    const auto cells = m_cells.begin();
    const auto found = std::lower_bound(cells + static_cast<std::ptrdiff_t>(first), cells + static_cast<std::ptrdiff_t>(end),
                                        static_cast<std::uint32_t>(column),
                                        [](const Cell& cell, std::uint32_t c) { return cell.column < c; });
    if (found == cells + static_cast<std::ptrdiff_t>(end) || found->column != static_cast<std::uint32_t>(column)) {
        out.clear();
        return 0;
    }
    out = QString::fromUtf8(m_text.constData() + found->text.offset, static_cast<qsizetype>(found->text.length));
    return static_cast<int>(out.size());
}

std::vector<bool> DelimitedFile::ColumnsWithValues() const
{
    // Only cells that are not empty are kept; one of spaces alone holds no value either.
    std::vector<bool> with(m_headers.size(), false);
    for (const Cell& cell : m_cells) {
        const char* text = m_text.constData() + cell.text.offset;
        if (cell.column < with.size() &&
            std::any_of(text, text + cell.text.length, [](char ch) { return ch != ' ' && ch != '\t'; }))
            with[cell.column] = true;
    }
    return with;
}
