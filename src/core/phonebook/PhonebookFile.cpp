#include "core/phonebook/PhonebookFile.h"

#include "core/phonebook/Phonebook.h"
#include "core/phonebook/PhonebookFileLayout.h"
#include "core/phonebook/PhonebookRecord.h"

#include "core/common/AtomicFile.h"
#include "core/common/ByteOrder.h"
#include "core/transfer/RecordLayouts.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <limits>
#include <new>
#include <utility>

Msg PhonebookFile::Save(const QString& path, const Phonebook& book, std::optional<QFileDevice::Permissions> permissions,
                        FileFailure* failure)
{
    const std::size_t count = book.Count();
    // The count is 16 bits wide; a larger book would make a file whose count lies.
    if (count > std::numeric_limits<std::uint16_t>::max()) {
        if (failure)
            *failure = FileFailure(path, FileFailure::Cause::System, FileFailure::Access::Write,
                                   FileFailure::tr("a phone-book file holds at most %1 entries").arg(std::numeric_limits<std::uint16_t>::max()));
        return Msg::FileWriteFailed;
    }
    QByteArray buffer;
    try {
        buffer = QByteArray(static_cast<qsizetype>(opbk::kHeaderSize + opbk::kRecordSize * count), '\0');
    } catch (const std::bad_alloc&) {
        return Msg::NoMemory;
    }
    const std::span<std::uint8_t> b(reinterpret_cast<std::uint8_t*>(buffer.data()), static_cast<std::size_t>(buffer.size()));
    PutLe32(b, opbk::kMagic, 0);
    book.Identity().ToBytes(b.subspan(opbk::kIdentity, HandsetIdentity::kSize));
    PutLe16(b, opbk::kCount, static_cast<std::uint16_t>(count));

    for (std::size_t i = 0; i < count; ++i) {
        const PhonebookEntry& e = *book.Entry(i);
        const auto r = b.subspan(opbk::kHeaderSize + opbk::kRecordSize * i, opbk::kRecordSize);
        WriteEntryTag(r, readrecord::kHeaderTag, e.headerTag);
        PhonebookRecord::EncodeBody(r.subspan(readrecord::kName), e, e.choice1, e.choice2);
    }

    // Written beside the target and renamed over it, so a failed write leaves the old file whole.
    QString error;
    if (WriteFileAtomically(path, buffer, &error, permissions))
        return Msg::Ok;
    if (failure)
        *failure = FileFailure::OfWrite(path, error);
    return Msg::FileWriteFailed;
}

Msg PhonebookFile::Load(const QString& path, Phonebook& into, FileFailure* failure)
{
    into.Clear();
    const auto fail = [&](FileFailure why) {
        if (failure)
            *failure = std::move(why);
        return Msg::FileReadFailed;
    };
    QFile file(path);
    // A folder opens on Linux; reading it fails later with a less telling reason.
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return fail(FileFailure::OfRead(path, &file));
    const qint64 size = file.size();
    QByteArray buffer;
    try {
        buffer = file.readAll();
    } catch (const std::bad_alloc&) {
        return Msg::NoMemory;
    }
    if (buffer.size() < size)
        return fail(FileFailure::OfRead(path, &file));
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(buffer.constData()), static_cast<std::size_t>(buffer.size()));
    const Msg m = LoadFromBytes(bytes, into);
    if (m == Msg::FileReadFailed)
        return fail(FileFailure(path, Flaw(bytes)));
    return m;
}

Msg PhonebookFile::LoadFromBytes(std::span<const std::uint8_t> b, Phonebook& into)
{
    into.Clear();
    const std::optional<std::size_t> count = RecordCount(b);
    if (!count)
        return Msg::FileReadFailed;

    into.SetIdentity(HandsetIdentity::FromBytes(b.subspan(opbk::kIdentity, HandsetIdentity::kSize)));
    try {
        for (std::size_t i = 0; i < *count; ++i) {
            PhonebookEntry entry;
            PhonebookRecord::Decode(static_cast<int>(i),
                                    b.subspan(opbk::kHeaderSize + opbk::kRecordSize * i, opbk::kRecordSize), entry);
            into.Append(std::move(entry));
        }
    } catch (const std::bad_alloc&) {
        into.Clear();
        return Msg::NoMemory;
    }
    return Msg::Ok;
}

FileFailure::Cause PhonebookFile::Flaw(std::span<const std::uint8_t> b)
{
    using Cause = FileFailure::Cause;
    if (b.empty())
        return Cause::Empty;
    // The first four bytes are always zero: anything else is another kind of file (a picture,
    // a text) whatever its name says.
    const std::size_t start = std::min(b.size(), opbk::kIdentity);
    if (std::any_of(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(start), [](std::uint8_t c) { return c != 0; }))
        return Cause::NotPhonebookFile;
    if (b.size() < opbk::kHeaderSize)
        return Cause::Truncated;
    const std::size_t count = GetLe16(b, opbk::kCount);
    const std::size_t records = (b.size() - opbk::kHeaderSize) / opbk::kRecordSize;
    if (records < count)
        return Cause::Truncated;
    if (records > count)
        return Cause::Damaged;
    return Cause::None;
}

std::optional<std::size_t> PhonebookFile::RecordCount(std::span<const std::uint8_t> b)
{
    if (b.size() < opbk::kHeaderSize)
        return std::nullopt;
    const std::size_t count = GetLe16(b, opbk::kCount);
    // Up to 44 bytes after the last record are tolerated.
    if ((b.size() - opbk::kHeaderSize) / opbk::kRecordSize != count || GetLe32(b, opbk::kMagic) != 0)
        return std::nullopt;
    return count;
}
