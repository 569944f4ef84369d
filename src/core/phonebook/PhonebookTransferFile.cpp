// The phone-book container's file operations: the "opbk" format.

#include "core/phonebook/PhonebookFileLayout.h"
#include "core/phonebook/PhonebookTransfer.h"

#include "core/common/AtomicFile.h"
#include "core/transfer/RecordLayouts.h"

#include <QFile>

#include <limits>
#include <new>

Msg PhonebookTransfer::SaveToFile(const QString& path, std::optional<QFileDevice::Permissions> permissions) const
{
    // The count is 16 bits wide; a larger book would make a file whose count lies.
    if (m_entries.size() > std::numeric_limits<std::uint16_t>::max())
        return Msg::FileWriteFailed;
    QByteArray buffer;
    try {
        buffer = QByteArray(static_cast<qsizetype>(opbk::kHeaderSize + opbk::kRecordSize * m_entries.size()), '\0');
    } catch (const std::bad_alloc&) {
        return Msg::NoMemory;
    }
    const std::span<std::uint8_t> b(reinterpret_cast<std::uint8_t*>(buffer.data()), static_cast<std::size_t>(buffer.size()));
    PutLe32(b, opbk::kMagic, 0);
    m_identity.ToBytes(b.subspan(opbk::kIdentity, HandsetIdentity::kSize));
    PutLe16(b, opbk::kCount, static_cast<std::uint16_t>(m_entries.size()));

    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const PhonebookEntry& e = *m_entries[i];
        const auto r = b.subspan(opbk::kHeaderSize + opbk::kRecordSize * i, opbk::kRecordSize);
        WriteEntryTag(r, readrecord::kHeaderTag, e.headerTag);
        EncodeRecordBody(r.subspan(readrecord::kName), e, e.choice1, e.choice2);
    }

    // Written beside the target and renamed over it, so a failed write leaves the old file whole.
    return WriteFileAtomically(path, buffer, nullptr, permissions) ? Msg::Ok : Msg::FileWriteFailed;
}

Msg PhonebookTransfer::LoadFromFile(const QString& path)
{
    Clear();
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
                                   static_cast<std::size_t>(buffer.size())));
}

Msg PhonebookTransfer::LoadFromBytes(std::span<const std::uint8_t> b)
{
    Clear();
    if (b.size() < opbk::kHeaderSize)
        return Msg::FileReadFailed;
    const std::size_t count = GetLe16(b, opbk::kCount);
    // Up to 44 bytes after the last record are tolerated.
    if ((b.size() - opbk::kHeaderSize) / opbk::kRecordSize != count || GetLe32(b, opbk::kMagic) != 0)
        return Msg::FileReadFailed;

    m_identity = HandsetIdentity::FromBytes(b.subspan(opbk::kIdentity, HandsetIdentity::kSize));
    try {
        for (std::size_t i = 0; i < count; ++i) {
            auto entry = std::make_unique<PhonebookEntry>();
            DecodeRecord(static_cast<int>(i), b.subspan(opbk::kHeaderSize + opbk::kRecordSize * i, opbk::kRecordSize),
                         *entry);
            m_entries.push_back(std::move(entry));
        }
    } catch (const std::bad_alloc&) {
        Clear();
        return Msg::NoMemory;
    }
    return Msg::Ok;
}
