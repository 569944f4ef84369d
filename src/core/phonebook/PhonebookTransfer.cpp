#include "core/phonebook/PhonebookTransfer.h"

#include "core/phonebook/Phonebook.h"
#include "core/phonebook/PhonebookLimits.h"
#include "core/phonebook/PhonebookRecord.h"

#include "core/common/StringTable.h"
#include "core/transfer/HandsetInfoTransfer.h"
#include "core/transfer/HandsetSession.h"
#include "core/common/ProgressDisplay.h"
#include "core/transfer/ProtocolCodes.h"
#include "core/transfer/RecordLayouts.h"

#include <array>
#include <utility>
#include <vector>

namespace {

// The progress range before the record count is known, and the steps each record is given.
constexpr int kInitialRange = 2000;
constexpr int kStepsPerRecord = 10;
constexpr int kExtraSteps = 20;
constexpr EntryTag kNoChoice{0, 255, 0};

QString Numbered(std::uint32_t id, std::size_t i)
{
    return QStringLiteral("%1 %2").arg(LoadString(id)).arg(i + 1);
}

Msg FailReceive(Phonebook& into, Msg result)
{
    into.Clear();
    return result;
}

}  // namespace

Msg PhonebookTransfer::ReceivePhonebook(Phonebook& into)
{
    into.Clear();
    ProgressDisplay* progress = ProgressDialog();
    // One operation: the information, the count and every record under one hold of the lock.
    HandsetSession session(&progress->CancelEvent());
    if (const Msg m = session.Status(); m != Msg::Ok)
        return FailReceive(into, m);
    progress->ResetPosition();
    progress->SetStatusText(ToId(Msg::PreparingReceive));
    progress->SetRange(0, kInitialRange);

    HandsetInfoTransfer infoTransfer;
    infoTransfer.SetProgressDialog(progress);
    HandsetInfo info;
    if (const Msg m = infoTransfer.GetInfo(info); m != Msg::Ok)
        return FailReceive(into, m);
    into.SetIdentity(info.identity);
    m_handsetName = info.name;

    std::uint16_t count = 0;
    std::uint16_t second = 0;
    if (const Msg m = ReadCount(count, second, CLASS_PHONEBOOK); m != Msg::Ok)
        return FailReceive(into, m);
    progress->SetRange(0, count * kStepsPerRecord + kExtraSteps);

    for (std::size_t i = 0; i < count; ++i) {
        progress->SetStatusText(Numbered(ToId(Msg::TransferringRecord), i));
        if (session.CancelRequested())
            return FailReceive(into, Msg::Cancelled);
        std::vector<std::uint8_t> data;
        // The handset numbers its records in 8 bits.
        const Msg m = ReadRecord(data, {CLASS_PHONEBOOK, static_cast<std::uint8_t>(i % 256), 0});
        if (m != Msg::Ok)
            return FailReceive(into, m);
        PhonebookEntry entry;
        // A short record would be read past its end.
        if (!PhonebookRecord::Decode(static_cast<int>(i), data, entry))
            return FailReceive(into, Msg::DataInError);
        into.Append(std::move(entry));
    }
    return Msg::Ok;
}

Msg PhonebookTransfer::SendPhonebook(const Phonebook& book)
{
    // The handset keeps 100 entries. A larger book (from a file, or received from a handset that
    // held more) would be cut off there, and the send end in a misleading "memory full": refuse
    // it before anything is written.
    m_handsetCleared = false;
    m_entriesSent = 0;
    if (book.Count() > MAX_PHONEBOOK_ENTRIES)
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
    m_sentTo = info.identity;
    // The choices mean something only to the handset they came from.
    const bool sameHandset = info.identity == book.Identity();

    // The download clears the handset's book: a cancel that came before it leaves the handset
    // exactly as it was.
    if (session.CancelRequested())
        return Msg::Cancelled;
    const Msg begun = BeginDownload(CLASS_PHONEBOOK);
    // The handset clears its book as it takes the command. A refusal says it did not; a reply
    // lost on the way (a handset unplugged, a link that failed) leaves it unknown, and then the
    // book may be gone.
    m_handsetCleared = begun == Msg::Ok || begun == Msg::ReadFailed;
    if (begun != Msg::Ok)
        return begun;
    progress->SetRange(0, static_cast<int>(book.Count()) * kStepsPerRecord + kExtraSteps);

    for (std::size_t i = 0; i < book.Count(); ++i) {
        const PhonebookEntry& e = *book.Entry(i);
        std::array<std::uint8_t, wirerecord::kSize> record{};
        PhonebookRecord::EncodeBody(record, e, sameHandset ? e.choice1 : kNoChoice, sameHandset ? e.choice2 : kNoChoice);

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
