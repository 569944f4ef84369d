#pragma once

#include "core/phonebook/Phonebook.h"
#include "core/phonebook/PhonebookTransfer.h"

#include "core/common/FileFailure.h"
#include "core/common/Msg.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <string>

class ProgressDisplay;

// Sending a phone book to the handset, as the window and the command line both do it. Only
// entries with both a name and a number go. The send replaces the handset's whole book, so the
// book it has is received and kept as a backup first (without that copy nothing is sent). A send
// that stops after the handset's book was cleared says how much of the new book reached it, so
// that the backup can be offered back.
class PhonebookSend {
public:
    // `book`: the entries in the order they are to be sent, with the identity of the book.
    explicit PhonebookSend(const Phonebook& book);

    // The handset's book was received already (by a sync): Run keeps that as the backup
    // instead of receiving it again, and sends only to that handset (Msg::NotTheBackupsHandset
    // when another one is plugged in now). `handsetName` as the handset gave it.
    // `checkUnchanged`: a person was asked in between and may have used the handset meanwhile;
    // Run receives its book again and sends nothing when it differs (Msg::HandsetBookChanged).
    void KeepAsBackup(const Phonebook& handsetBook, const std::string& handsetName, bool checkUnchanged)
    {
        m_received = handsetBook;
        m_receivedName = handsetName;
        m_checkUnchanged = checkUnchanged;
    }

    // Some entries lack a name or a number and will be left out: ask before sending.
    bool LeavesOutIncomplete() const { return m_leftOut; }
    std::size_t Count() const { return m_outgoing.Count(); }

    // The backup (unless keepBackup is false), then the download, as one operation run while
    // `progress` shows it. 0 or the failure; a book of more than 100 entries is refused first.
    Msg Run(ProgressDisplay& progress, bool keepBackup);

    // After Run. The backup's file, empty when none was made.
    const QString& Backup() const { return m_backup; }
    // The backup could not be made, so nothing was sent; Run returned its failure.
    bool BackupFailed() const { return m_backupFailed; }
    // Why the backup's file could not be written, when that was the failure.
    const FileFailure& BackupFailure() const { return m_backupFailure; }
    // The send stopped after the handset's book had been cleared: it holds only what was sent.
    bool Partial() const { return m_partial; }
    // "The send did not finish: the handset now holds k of the n entries.", k as the handset
    // itself says; or, when it could not say, that its book may have been emptied.
    QString PartialText() const;

    // What the handset holds, by its own count, as one operation; nothing when it cannot say.
    // Cheap: one exchange, no entry read.
    static std::optional<std::size_t> ReadHandsetCount(ProgressDisplay& progress);
    // Sending no entries at all empties the handset's book: the question to ask instead of the
    // general one about overwriting it. `handsetHolds`: what the handset holds, when known.
    static QString EmptySendQuestion(std::optional<std::size_t> handsetHolds);
    // Whether that question is asked instead of the general one: nothing would go out, and the
    // handset holds entries (or may; with none, nothing is lost).
    bool EmptiesHandset(std::optional<std::size_t> handsetHolds) const
    {
        return Count() == 0 && handsetHolds.value_or(1) > 0;
    }

    // Sends the book kept in `backup` back to the handset as it was, as one operation; only to
    // the handset it was kept from (Msg::NotTheBackupsHandset otherwise). `failure`, when given,
    // says why the backup could not be read.
    static Msg SendBack(ProgressDisplay& progress, const QString& backup, FileFailure* failure = nullptr);

private:
    Phonebook m_outgoing;
    PhonebookTransfer m_transfer;
    bool m_leftOut = false;
    QString m_backup;
    bool m_backupFailed = false;
    FileFailure m_backupFailure;
    bool m_partial = false;
    std::optional<std::size_t> m_handsetHolds;
    std::optional<Phonebook> m_received;
    std::string m_receivedName;
    bool m_checkUnchanged = false;
};
