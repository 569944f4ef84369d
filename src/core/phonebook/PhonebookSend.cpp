#include "core/phonebook/PhonebookSend.h"

#include "core/phonebook/PhonebookBackups.h"
#include "core/phonebook/PhonebookLimits.h"

#include "core/common/ProgressDisplay.h"
#include "core/transfer/HandsetOperation.h"

#include <memory>

PhonebookSend::PhonebookSend(const PhonebookTransfer& book)
{
    for (std::size_t i = 0; i < book.Count(); ++i) {
        auto entry = std::make_unique<PhonebookEntry>();
        book.CopyEntry(i, *entry);
        if (entry->name.empty() || entry->number.empty())
            m_leftOut = true;
        else
            m_outgoing.Append(std::move(entry));
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
    m_outgoing.SetProgressDialog(&progress);
    const Msg result = HandsetOperation::Run(progress, [&] {
        if (keepBackup) {
            if (const Msg kept = PhonebookBackups::Make(&progress, &m_backup); kept != Msg::Ok) {
                m_backupFailed = true;
                return kept;
            }
        }
        return m_outgoing.SendPhonebook();
    });
    m_outgoing.SetProgressDialog(nullptr);
    m_partial = result != Msg::Ok && !m_backupFailed && m_outgoing.HandsetCleared();
    return result;
}

QString PhonebookSend::PartialText() const
{
    return PhonebookBackups::PartialSendText(m_outgoing.EntriesSent(), m_outgoing.Count());
}

Msg PhonebookSend::SendBack(ProgressDisplay& progress, const QString& backup)
{
    PhonebookTransfer previous;
    if (const Msg m = previous.LoadFromFile(backup); m != Msg::Ok)
        return m;
    previous.SetProgressDialog(&progress);
    return HandsetOperation::Run(progress, [&] { return previous.SendPhonebook(); });
}
