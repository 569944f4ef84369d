#include "PhonebookTransfer.h"

#include "PhonebookLimits.h"

#include "common/StringTable.h"
#include "transfer/HandsetInfoTransfer.h"
#include "transfer/NameField.h"
#include "transfer/PackedNumber.h"
#include "transfer/ProgressDisplay.h"
#include "transfer/ProtocolCodes.h"
#include "transfer/RecordLayouts.h"

#include <algorithm>
#include <array>

namespace {

// The progress range before the record count is known, and the steps each record is given.
constexpr int kInitialRange = 2000;
constexpr int kStepsPerRecord = 10;
constexpr int kExtraSteps = 20;
constexpr EntryTag kNoChoice{0, 255, 0};

EntryTag TagAt(std::span<const std::uint8_t> b, std::size_t at)
{
    return {b[at], b[at + 1], GetLe16(b, at + 2)};
}

void PutTag(std::span<std::uint8_t> b, std::size_t at, const EntryTag& t)
{
    b[at] = t.byteA;
    b[at + 1] = t.byteB;
    PutLe16(b, at + 2, t.word);
}

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

    entry.headerTag = TagAt(record, readrecord::kHeaderTag);
    entry.name = ReadNameField(record.subspan(readrecord::kName, kNameFieldSize));
    entry.number = number.Unpack();
    entry.choice1 = TagAt(record, readrecord::kChoice1);
    entry.choice2 = TagAt(record, readrecord::kChoice2);
    entry.sourceIndex = static_cast<std::uint16_t>(position);
    return true;
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
    progress->ResetPosition();
    progress->CancelEvent().Reset();
    progress->SetStatusText(ToId(Msg::PreparingReceive));
    progress->SetRange(0, kInitialRange);

    HandsetInfoTransfer infoTransfer;
    infoTransfer.SetProgressDialog(progress);
    HandsetInfo info;
    if (const Msg m = infoTransfer.GetInfo(info); m != Msg::Ok)
        return FailReceive(m);
    m_identity = info.identity;

    std::uint16_t count = 0;
    std::uint16_t second = 0;
    if (const Msg m = ReadCount(count, second, CLASS_PHONEBOOK); m != Msg::Ok)
        return FailReceive(m);
    progress->SetRange(0, count * kStepsPerRecord + kExtraSteps);

    for (std::size_t i = 0; i < count; ++i) {
        progress->SetStatusText(Numbered(ToId(Msg::TransferringRecord), i));
        if (progress->CancelEvent().IsSet())
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
    ProgressDisplay* progress = ProgressDialog();
    progress->CancelEvent().Reset();
    progress->ResetPosition();
    progress->SetRange(0, kInitialRange);

    HandsetInfoTransfer infoTransfer;
    infoTransfer.SetProgressDialog(progress);
    HandsetInfo info;
    if (const Msg m = infoTransfer.GetInfo(info); m != Msg::Ok)
        return m;
    // The choices mean something only to the handset they came from.
    const bool sameHandset = info.identity == m_identity;

    if (const Msg m = BeginDownload(CLASS_PHONEBOOK); m != Msg::Ok)
        return m;
    progress->SetRange(0, static_cast<int>(m_entries.size()) * kStepsPerRecord + kExtraSteps);

    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const PhonebookEntry& e = *m_entries[i];
        std::array<std::uint8_t, wirerecord::kSize> record{};
        WriteNameField(std::span(record).subspan(wirerecord::kName, kNameFieldSize), e.name);
        const PackedNumber number = PackedNumber::Pack(std::string_view(e.number).substr(0, MAX_NUMBER_LENGTH));
        record[wirerecord::kDigitCount] = number.count;
        std::copy(number.codes.begin(), number.codes.end(), record.begin() + wirerecord::kDigits);
        PutTag(record, wirerecord::kChoice1, sameHandset ? e.choice1 : kNoChoice);
        PutTag(record, wirerecord::kChoice2, sameHandset ? e.choice2 : kNoChoice);

        progress->SetStatusText(Numbered(ToId(Msg::SendingPhonebookRecord), i));
        if (progress->CancelEvent().IsSet())
            return Msg::Cancelled;
        RecordTag tag{CLASS_PHONEBOOK, 0, 0};
        if (const Msg m = WriteRecord(record, tag); m != Msg::Ok)
            return m;
    }
    return Msg::Ok;
}
