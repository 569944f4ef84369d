#include "core/phonebook/PhonebookSend.h"

#include "core/phonebook/PhonebookBackups.h"
#include "core/phonebook/PhonebookFile.h"
#include "core/phonebook/PhonebookLimits.h"

#include "core/common/ProgressDisplay.h"
#include "core/transfer/HandsetOperation.h"

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
    m_partial = false;
    // A book too large to send is refused before the backup is made.
    if (m_outgoing.Count() > MAX_PHONEBOOK_ENTRIES)
        return Msg::MaxEntriesReached;
    m_transfer.SetProgressDialog(&progress);
    const Msg result = HandsetOperation::Run(progress, [&] {
        if (keepBackup) {
            if (const Msg kept = PhonebookBackups::Make(&progress, &m_backup); kept != Msg::Ok) {
                m_backupFailed = true;
                return kept;
            }
        }
        return m_transfer.SendPhonebook(m_outgoing);
    });
    m_transfer.SetProgressDialog(nullptr);
    m_partial = result != Msg::Ok && !m_backupFailed && m_transfer.HandsetCleared();
    return result;
}

QString PhonebookSend::PartialText() const
{
    return PhonebookBackups::PartialSendText(m_transfer.EntriesSent(), m_outgoing.Count());
}

Msg PhonebookSend::SendBack(ProgressDisplay& progress, const QString& backup)
{
    Phonebook previous;
    if (const Msg m = PhonebookFile::Load(backup, previous); m != Msg::Ok)
        return m;
    PhonebookTransfer transfer;
    transfer.SetProgressDialog(&progress);
    return HandsetOperation::Run(progress, [&] { return transfer.SendPhonebook(previous); });
}
