#include "core/phonebook/PhonebookTransfer.h"

#include "core/phonebook/PhonebookLimits.h"

#include "core/common/StringTable.h"
#include "core/transfer/HandsetInfoTransfer.h"
#include "core/transfer/HandsetSession.h"
#include "core/transfer/NameField.h"
#include "core/transfer/PackedNumber.h"
#include "core/common/ProgressDisplay.h"
#include "core/transfer/ProtocolCodes.h"
#include "core/transfer/RecordLayouts.h"

#include <algorithm>
#include <array>

namespace {

// The progress range before the record count is known, and the steps each record is given.
constexpr int kInitialRange = 2000;
constexpr int kStepsPerRecord = 10;
constexpr int kExtraSteps = 20;
constexpr EntryTag kNoChoice{0, 255, 0};

// A stored record is the sent record behind a 4-byte header tag: the offsets line up.
static_assert(readrecord::kName - readrecord::kHeaderTag == 4 && wirerecord::kName == 0);
static_assert(readrecord::kDigitCount - 4 == wirerecord::kDigitCount && readrecord::kDigits - 4 == wirerecord::kDigits);
static_assert(readrecord::kChoice1 - 4 == wirerecord::kChoice1 && readrecord::kChoice2 - 4 == wirerecord::kChoice2);
static_assert(readrecord::kSize - 4 == wirerecord::kSize);

QString Numbered(std::uint32_t id, std::size_t i)
{
    return QStringLiteral("%1 %2").arg(LoadString(id)).arg(i + 1);
}

}  // namespace

bool PhonebookTransfer::CopyEntry(std::size_t i, PhonebookEntry& out) const
{
    if (i >= m_entries.size())
        return false;
    out = *m_entries[i];
    return true;
}

PhonebookEntry* PhonebookTransfer::Entry(std::size_t i)
{
    return i < m_entries.size() ? m_entries[i].get() : nullptr;
}

void PhonebookTransfer::Append(std::unique_ptr<PhonebookEntry> entry)
{
    if (entry)
        m_entries.push_back(std::move(entry));
}

bool PhonebookTransfer::Remove(std::size_t i)
{
    if (i >= m_entries.size())
        return false;
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(i));
    return true;
}

void PhonebookTransfer::Clear()
{
    m_entries.clear();
    m_identity = {};
}

bool PhonebookTransfer::DecodeRecord(int position, std::span<const std::uint8_t> record, PhonebookEntry& entry)
{
    if (record.size() < readrecord::kSize)
        return false;
    PackedNumber number;
    number.count = record[readrecord::kDigitCount];
    std::copy_n(record.begin() + readrecord::kDigits, number.codes.size(), number.codes.begin());

    entry.headerTag = ReadEntryTag(record, readrecord::kHeaderTag);
    entry.name = ReadNameField(record.subspan(readrecord::kName, kNameFieldSize));
    entry.number = number.Unpack();
    entry.choice1 = ReadEntryTag(record, readrecord::kChoice1);
    entry.choice2 = ReadEntryTag(record, readrecord::kChoice2);
    entry.sourceIndex = static_cast<std::uint16_t>(position);
    return true;
}

void PhonebookTransfer::EncodeRecordBody(std::span<std::uint8_t> body, const PhonebookEntry& entry,
                                         const EntryTag& choice1, const EntryTag& choice2)
{
    WriteNameField(body.subspan(wirerecord::kName, kNameFieldSize), entry.name);
    const PackedNumber number = PackedNumber::Pack(std::string_view(entry.number).substr(0, MAX_NUMBER_LENGTH));
    body[wirerecord::kDigitCount] = number.count;
    std::copy(number.codes.begin(), number.codes.end(), body.begin() + wirerecord::kDigits);
    WriteEntryTag(body, wirerecord::kChoice1, choice1);
    WriteEntryTag(body, wirerecord::kChoice2, choice2);
}

Msg PhonebookTransfer::FailReceive(Msg result)
{
    Clear();
    return result;
}

Msg PhonebookTransfer::ReceivePhonebook()
{
    Clear();
    ProgressDisplay* progress = ProgressDialog();
    // One operation: the information, the count and every record under one hold of the lock.
    HandsetSession session(&progress->CancelEvent());
    if (const Msg m = session.Status(); m != Msg::Ok)
        return FailReceive(m);
    progress->ResetPosition();
    progress->SetStatusText(ToId(Msg::PreparingReceive));
    progress->SetRange(0, kInitialRange);

    HandsetInfoTransfer infoTransfer;
    infoTransfer.SetProgressDialog(progress);
    HandsetInfo info;
    if (const Msg m = infoTransfer.GetInfo(info); m != Msg::Ok)
        return FailReceive(m);
    m_identity = info.identity;
    m_handsetName = info.name;

    std::uint16_t count = 0;
    std::uint16_t second = 0;
    if (const Msg m = ReadCount(count, second, CLASS_PHONEBOOK); m != Msg::Ok)
        return FailReceive(m);
    progress->SetRange(0, count * kStepsPerRecord + kExtraSteps);

    for (std::size_t i = 0; i < count; ++i) {
        progress->SetStatusText(Numbered(ToId(Msg::TransferringRecord), i));
        if (session.CancelRequested())
            return FailReceive(Msg::Cancelled);
        std::vector<std::uint8_t> data;
        // The handset numbers its records in 8 bits.
        const Msg m = ReadRecord(data, {CLASS_PHONEBOOK, static_cast<std::uint8_t>(i % 256), 0});
        if (m != Msg::Ok)
            return FailReceive(m);
        auto entry = std::make_unique<PhonebookEntry>();
        // A short record would be read past its end.
        if (!DecodeRecord(static_cast<int>(i), data, *entry))
            return FailReceive(Msg::DataInError);
        m_entries.push_back(std::move(entry));
    }
    return Msg::Ok;
}

Msg PhonebookTransfer::SendPhonebook()
{
    // The handset keeps 100 entries. A larger book (from a file, or received from a handset that
    // held more) would be cut off there, and the send end in a misleading "memory full": refuse
    // it before anything is written.
    m_handsetCleared = false;
    m_entriesSent = 0;
    if (m_entries.size() > MAX_PHONEBOOK_ENTRIES)
        return Msg::MaxEntriesReached;
    ProgressDisplay* progress = ProgressDialog();
    HandsetSession session(&progress->CancelEvent());
    if (const Msg m = session.Status(); m != Msg::Ok)
        return m;
    progress->ResetPosition();
    progress->SetRange(0, kInitialRange);

    HandsetInfoTransfer infoTransfer;
    infoTransfer.SetProgressDialog(progress);
    HandsetInfo info;
    if (const Msg m = infoTransfer.GetInfo(info); m != Msg::Ok)
        return m;
    // The choices mean something only to the handset they came from.
    const bool sameHandset = info.identity == m_identity;

    // The download clears the handset's book: a cancel that came before it leaves the handset
    // exactly as it was.
    if (session.CancelRequested())
        return Msg::Cancelled;
    if (const Msg m = BeginDownload(CLASS_PHONEBOOK); m != Msg::Ok)
        return m;
    m_handsetCleared = true;
    progress->SetRange(0, static_cast<int>(m_entries.size()) * kStepsPerRecord + kExtraSteps);

    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const PhonebookEntry& e = *m_entries[i];
        std::array<std::uint8_t, wirerecord::kSize> record{};
        EncodeRecordBody(record, e, sameHandset ? e.choice1 : kNoChoice, sameHandset ? e.choice2 : kNoChoice);

        progress->SetStatusText(Numbered(ToId(Msg::SendingPhonebookRecord), i));
        if (session.CancelRequested())
            return Msg::Cancelled;
        RecordTag tag{CLASS_PHONEBOOK, 0, 0};
        if (const Msg m = WriteRecord(record, tag); m != Msg::Ok)
            return m;
        ++m_entriesSent;
    }
    return Msg::Ok;
}
