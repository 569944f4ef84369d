#include "core/phonebook/PhonebookSend.h"

#include "core/phonebook/PhonebookBackups.h"
#include "core/phonebook/PhonebookFile.h"
#include "core/phonebook/PhonebookLimits.h"
#include "core/phonebook/SyncBases.h"

#include "core/common/ProgressDisplay.h"
#include "core/transfer/HandsetInfoTransfer.h"
#include "core/transfer/HandsetOperation.h"
#include "core/transfer/ProtocolCodes.h"

#include <QCoreApplication>

PhonebookSend::PhonebookSend(const Phonebook& book)
{
    for (std::size_t i = 0; i < book.Count(); ++i) {
        const PhonebookEntry& entry = *book.Entry(i);
        if (entry.name.empty() || entry.number.empty())
            m_leftOut = true;
        else
            m_outgoing.Append(entry);
    }
    m_outgoing.SetIdentity(book.Identity());
}

Msg PhonebookSend::Run(ProgressDisplay& progress, bool keepBackup)
{
    m_backup.clear();
    m_backupFailed = false;
    m_backupFailure = FileFailure();
    m_partial = false;
    m_handsetHolds.reset();
    // A book too large to send is refused before the backup is made.
    if (m_outgoing.Count() > MAX_PHONEBOOK_ENTRIES)
        return Msg::MaxEntriesReached;
    m_transfer.SetProgressDialog(&progress);
    const Msg result = HandsetOperation::Run(progress, [&] {
        // The book was received a while ago (a sync asks in between): another handset plugged in
        // meanwhile would lose its own book, and the backup kept would not be of it.
        if (m_received) {
            HandsetInfoTransfer info;
            info.SetProgressDialog(&progress);
            HandsetInfo handset;
            if (const Msg m = info.GetInfo(handset); m != Msg::Ok)
                return m;
            if (handset.identity != m_received->Identity())
                return Msg::NotTheBackupsHandset;
            // An entry added, changed or deleted on the handset meanwhile would be lost, and the
            // backup would not hold it.
            if (m_checkUnchanged) {
                Phonebook now;
                if (const Msg m = m_transfer.ReceivePhonebook(now); m != Msg::Ok)
                    return m;
                if (!Phonebook::SameEntries(now.Entries(), m_received->Entries(), Phonebook::Compare::WithChoices))
                    return Msg::HandsetBookChanged;
            }
        }
        if (keepBackup) {
            const Msg kept = m_received ? PhonebookBackups::Keep(*m_received, m_receivedName, &m_backup, &m_backupFailure)
                                        : PhonebookBackups::Make(&progress, &m_backup, &m_backupFailure);
            if (kept != Msg::Ok) {
                m_backupFailed = true;
                return kept;
            }
        }
        const Msg sent = m_transfer.SendPhonebook(m_outgoing);
        if (sent != Msg::Ok && m_transfer.HandsetCleared()) {
            // What the handset holds now, from the handset: the record under way when the send
            // stopped may or may not have reached it. A handset that is gone cannot say.
            std::uint16_t count = 0;
            std::uint16_t second = 0;
            if (m_transfer.ReadCount(count, second, CLASS_PHONEBOOK) == Msg::Ok)
                m_handsetHolds = count;
        }
        return sent;
    });
    m_transfer.SetProgressDialog(nullptr);
    m_partial = result != Msg::Ok && !m_backupFailed && m_transfer.HandsetCleared();
    // The handset's book is no longer what the syncs of any book left: a send replaced it, or
    // one that stopped left part of it. Their next syncs start afresh, so that what is missing
    // now is not taken for deletions. (A sync's own send that went through keeps its book's
    // base again after it.)
    if (m_transfer.HandsetCleared())
        SyncBases::Forget(m_transfer.SentTo());
    return result;
}

QString PhonebookSend::PartialText() const
{
    if (m_handsetHolds)
        return PhonebookBackups::PartialSendText(*m_handsetHolds, m_outgoing.Count());
    return PhonebookBackups::UnknownSendText(m_transfer.EntriesSent(), m_outgoing.Count());
}

std::optional<std::size_t> PhonebookSend::ReadHandsetCount(ProgressDisplay& progress)
{
    PhonebookTransfer transfer;
    transfer.SetProgressDialog(&progress);
    std::uint16_t count = 0;
    std::uint16_t second = 0;
    const Msg m = HandsetOperation::Run(progress, [&] { return transfer.ReadCount(count, second, CLASS_PHONEBOOK); });
    if (m != Msg::Ok)
        return std::nullopt;
    return count;
}

QString PhonebookSend::EmptySendQuestion(std::optional<std::size_t> handsetHolds)
{
    const QString what = QCoreApplication::translate("PhonebookSend",
                                                     "The phone book to send has no entries with both a name and a "
                                                     "number.");
    QString deletes = QCoreApplication::translate("PhonebookSend", "This deletes all entries on the handset.");
    if (handsetHolds) {
        const int holds = static_cast<int>(*handsetHolds);
        deletes = QCoreApplication::translate("PhonebookSend", "This deletes all %n entries on the handset.", nullptr, holds);
    }
    return QCoreApplication::translate("PhonebookSend", "%1\n%2\nSend it anyway?").arg(what, deletes);
}

Msg PhonebookSend::SendBack(ProgressDisplay& progress, const QString& backup, FileFailure* failure)
{
    Phonebook previous;
    if (const Msg m = PhonebookFile::Load(backup, previous, failure); m != Msg::Ok)
        return m;
    PhonebookTransfer transfer;
    transfer.SetProgressDialog(&progress);
    return HandsetOperation::Run(progress, [&] {
        // Only to the handset it came from: another one plugged in meanwhile keeps its own book.
        HandsetInfoTransfer info;
        info.SetProgressDialog(&progress);
        HandsetInfo handset;
        if (const Msg m = info.GetInfo(handset); m != Msg::Ok)
            return m;
        if (handset.identity != previous.Identity())
            return Msg::NotTheBackupsHandset;
        return transfer.SendPhonebook(previous);
    });
}
