#pragma once

#include "core/common/FileFailure.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <utility>
#include <vector>

// A contacts file held in memory as text cells addressed by column and row: a delimited file
// (comma, semicolon or tab, as its header line shows) whose first line names the columns, or a
// vCard file turned into columns (VCardReader). The import wizard reads the headers from it for
// the mapping, and the cells for the import.
//
// The headers and cells all live in one UTF-8 buffer: for a UTF-8 file it is the file's own
// bytes, its fields taken out in place; for any other it is the file converted once. A cell is
// its place in that buffer and its column, and a row keeps only the cells that are not empty:
// beside the text, 12 bytes for each cell that is not empty and 4 for each row, nothing for an
// empty cell or a blank line. The reading stops at kMaxRows rows or kMaxCells cells, so that
// beside the text no file takes more than about 50 MB, whatever its shape.
class DelimitedFile {
public:
    static constexpr std::uint32_t READ_AS_STRING = 2;
    // Real exports carry long notes, so a logical line may be long, but not without bound.
    static constexpr qsizetype kMaxLogicalLine = qsizetype(1) << 20;
    // Far beyond any contacts export; a larger file is refused before it is read.
    static constexpr qint64 kMaxFileSize = qint64(256) << 20;
    // No phone book takes more than a few thousand contacts, so a file's rows beyond these are
    // of no use to an import; the reading stops before them, and keeps what it has read.
    static constexpr int kMaxRows = 100'000;
    static constexpr int kMaxCells = 4'000'000;

    static const char* const kUnknownError;
    static const char* const kGetStringFailed;
    static const char* const kNotReadAsString;
    static const char* const kFileNotFound;
    static const char* const kFileEmpty;
    static const char* const kIndexOutOfRange;

    // False with LastError() set when the file cannot be read; what was added before a failure
    // stays, and callers do not query further. Only a regular file is read: a folder, a device
    // or a pipe is refused at once as a file that cannot be opened.
    bool Read(const QString& fileName, std::uint32_t flags = READ_AS_STRING);
    // The same from bytes already in memory (the file name is only remembered).
    bool ReadBytes(const QByteArray& bytes, const QString& fileName, std::uint32_t flags = READ_AS_STRING);

    // The header's length, or -1 when there is no such column.
    int GetHeader(int column, QString& out);
    // The cell's length, or -1 when there is no such cell or the last read was not as string.
    int GetString(int column, int row, QString& out);
    int HeaderCount() const { return static_cast<int>(m_headers.size()); }
    // Every header, in file order.
    QStringList Headers() const;
    // The rows of a column; every column has as many. A line with nothing in it but delimiters
    // and spaces is no row.
    int RowCount() const { return static_cast<int>(m_rowStarts.size()); }
    const QString& LastError() const { return m_lastError; }
    // Which file could not be read and why, for the user; unset when the failure lies in what
    // the file holds rather than in reading it.
    const FileFailure& Failure() const { return m_failure; }
    const QString& FileName() const { return m_fileName; }
    // The line (from 1) that opened a quoted field that never closes; 0 when every one closed.
    // The read goes on with what the field holds up to the end of the file.
    int UnclosedQuoteLine() const { return m_unclosedQuoteLine; }
    // The line (from 1) where the reading stopped, at kMaxRows rows or kMaxCells cells: the
    // line that starts the first row, or card, not read. 0 when the whole file was read.
    int StoppedAtLine() const { return m_stoppedAtLine; }
    // For each column: whether some row has a cell in it that is not empty.
    std::vector<bool> ColumnsWithValues() const;

    // For readers that build the table themselves (VCardReader), on an empty one: a column
    // named `header` (UTF-8), and its index.
    int AddColumn(QByteArrayView header);
    // A row after the last, for the record that starts on `line` (from 1); its cells come with
    // AddCell. False, and no row, when the table holds kMaxRows rows or kMaxCells cells: the
    // reader stops there, and StoppedAtLine() tells `line`. The cells of a row started are all
    // kept, so a reader whose rows have many cells bounds them itself.
    bool StartRow(int line);
    // The cell of the last row in `column`, from UTF-8 text; an empty text is no cell, and a
    // column that has a cell in this row already keeps the first.
    void AddCell(int column, QByteArrayView text);

private:
    // A piece of m_text.
    struct Text {
        std::uint32_t offset;
        std::uint32_t length;
    };
    struct Cell {
        Text text;
        std::uint32_t column;
    };

    void Clear();
    bool Fail(const char* text);
    bool ReadFile(const QString& fileName);
    bool Load(QByteArray bytes);
    // Splits m_text from `begin` in place into headers and rows.
    bool ParseDelimited(qsizetype begin);
    Text Place(qsizetype offset, qsizetype length) const;
    // Copies text to the end of m_text.
    Text Append(QByteArrayView text);
    // The cells of a row: [first, end).
    std::pair<std::size_t, std::size_t> CellsOf(int row) const;

    // A table built with AddColumn and AddCell is read as strings.
    std::uint32_t m_readFlags = READ_AS_STRING;
    int m_unclosedQuoteLine = 0;
    int m_stoppedAtLine = 0;
    QString m_fileName;
    QString m_lastError;
    FileFailure m_failure;
    QByteArray m_text;
    std::vector<Text> m_headers;
    // Each row's cells, ordered by column.
    std::vector<Cell> m_cells;
    // The index in m_cells of each row's first cell.
    std::vector<std::uint32_t> m_rowStarts;
};
