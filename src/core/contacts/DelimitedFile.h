#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>
#include <vector>

// A contacts file held in memory as text cells addressed by column and row: a comma-delimited
// file whose first line names the columns, or a vCard file turned into columns (VCardReader).
// The import wizard reads the headers from it for the mapping, and the cells for the import.
//
// The cells of all columns share one UTF-8 buffer; a cell is its place in it, and a row is the
// run of cells its line had (the missing ones at its end read as empty). A file of 10 000 rows
// and 20 columns then takes about twice its own size, where a string per cell would take six
// times as much, and no file, however it is made, takes more than a small multiple of its size.
class DelimitedFile {
public:
    static constexpr std::uint32_t READ_AS_STRING = 2;
    // Real exports carry long notes, so a logical line may be long, but not without bound.
    static constexpr qsizetype kMaxLogicalLine = qsizetype(1) << 20;
    // Far beyond any contacts export; a larger file is refused before it is read.
    static constexpr qint64 kMaxFileSize = qint64(256) << 20;

    static const char* const kUnknownError;
    static const char* const kGetStringFailed;
    static const char* const kNotReadAsString;
    static const char* const kFileNotFound;
    static const char* const kFileEmpty;
    static const char* const kIndexOutOfRange;

    // False with LastError() set when the file cannot be read; what was added before a failure
    // stays, and callers do not query further.
    bool Read(const QString& fileName, std::uint32_t flags = READ_AS_STRING);
    // The same from bytes already in memory (the file name is only remembered).
    bool ReadBytes(const QByteArray& bytes, const QString& fileName, std::uint32_t flags = READ_AS_STRING);

    // The header's length, or -1 when there is no such column.
    int GetHeader(int column, QString& out);
    // The cell's length, or -1 when there is no such cell or the last read was not as string.
    int GetString(int column, int row, QString& out);
    int HeaderCount() const { return static_cast<int>(m_headers.size()); }
    // The rows of a column; every column has as many.
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    const QString& LastError() const { return m_lastError; }
    const QString& FileName() const { return m_fileName; }
    // The line (from 1) that opened a quoted field that never closes; 0 when every one closed.
    // The read goes on with what the field holds up to the end of the file.
    int UnclosedQuoteLine() const { return m_unclosedQuoteLine; }
    // For each column: whether some row has a cell in it that is not empty.
    std::vector<bool> ColumnsWithValues() const;

    // For the vCard reader: a table built elsewhere.
    void SetTable(const QStringList& headers, const std::vector<QStringList>& rows);

private:
    struct Cell {
        std::uint32_t offset;
        std::uint32_t length;
    };
    struct Row {
        std::size_t firstCell;
        std::uint32_t cellCount;
    };

    void Clear();
    bool Fail(const char* text);
    void AddColumn(QByteArrayView header);
    void StartRow();
    void AppendCell(QByteArrayView text);
    bool ParseDelimited(QByteArrayView text);

    QString m_delimiter = QStringLiteral(",");
    std::uint32_t m_readFlags = 1;
    int m_unclosedQuoteLine = 0;
    QString m_fileName;
    QString m_lastError;
    std::string m_text;
    std::vector<QString> m_headers;
    std::vector<QString> m_headerFileNames;
    std::vector<Cell> m_cells;
    std::vector<Row> m_rows;
};
