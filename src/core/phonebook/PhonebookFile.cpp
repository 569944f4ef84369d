#include "core/phonebook/PhonebookFile.h"

#include "core/phonebook/Phonebook.h"
#include "core/phonebook/PhonebookFileLayout.h"
#include "core/phonebook/PhonebookRecord.h"

#include "core/common/AtomicFile.h"
#include "core/common/ByteOrder.h"
#include "core/transfer/RecordLayouts.h"

#include <QFile>

#include <limits>
#include <new>
#include <utility>

Msg PhonebookFile::Save(const QString& path, const Phonebook& book, std::optional<QFileDevice::Permissions> permissions)
{
    const std::size_t count = book.Count();
    // The count is 16 bits wide; a larger book would make a file whose count lies.
    if (count > std::numeric_limits<std::uint16_t>::max())
        return Msg::FileWriteFailed;
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
    return WriteFileAtomically(path, buffer, nullptr, permissions) ? Msg::Ok : Msg::FileWriteFailed;
}

Msg PhonebookFile::Load(const QString& path, Phonebook& into)
{
    into.Clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Msg::FileReadFailed;
    const qint64 size = file.size();
    QByteArray buffer;
    try {
        buffer = file.readAll();
    } catch (const std::bad_alloc&) {
        return Msg::NoMemory;
    }
    if (buffer.size() < size)
        return Msg::FileReadFailed;
    return LoadFromBytes(std::span(reinterpret_cast<const std::uint8_t*>(buffer.constData()),
                                   static_cast<std::size_t>(buffer.size())),
                         into);
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
