#pragma once

#include "core/phonebook/MergePlan.h"
#include "core/phonebook/Phonebook.h"
#include "core/phonebook/PhonebookSend.h"

#include "core/common/FileFailure.h"
#include "core/common/Msg.h"

#include <QCoreApplication>
#include <QString>

#include <cstddef>
#include <string>
#include <vector>

class ProgressDisplay;

// A sync of the handset's book with the computer's, as the window and the command line both
// do it: receive the handset's book, plan the three-way merge with the base kept from the last
// sync of that handset, let the person see the plan and change it, send the result (only when
// the handset's book differs from it, after keeping the received book as a backup), and, once
// the computer's book is saved too, keep the result as the next base.
//
// Entries of the computer's book that lack a name or a number never reach the handset, so they
// take no part in the merge: they stay in the computer's book, after the merged entries.
class PhonebookSync {
    Q_DECLARE_TR_FUNCTIONS(PhonebookSync)

public:
    // `computer`: the computer's book, in its order; `bookPath` its file (empty when it has none,
    // and then the sync has no base: see SyncBases).
    PhonebookSync(const Phonebook& computer, const QString& bookPath,
                  MergePreference prefer = MergePreference::Computer);

    // Receives the handset's book and plans the merge, as one operation; 0 or the failure.
    Msg Receive(ProgressDisplay& progress);

    // After Receive. The plan; its changes' `include` and `side` may be changed before Send.
    MergePlan& Plan() { return m_plan; }
    const MergePlan& Plan() const { return m_plan; }
    const Phonebook& HandsetBook() const { return m_handset; }

    // The handset's entries with the plan as it now is, with the handset's identity.
    Phonebook Merged() const;
    // What the computer's book becomes: the merged entries, then those it keeps to itself (its
    // additions left out of the sync, and its entries that lack a name or a number).
    Phonebook ComputerResult() const;
    // The merged book holds more entries than the handset takes: nothing may be sent or
    // written.
    bool TooMany() const;
    // "The merged phone book would hold 130 entries: 120 from the handset and 40 from the
    // computer, and the handset holds at most 100."
    QString TooManyText() const;
    // The handset's book differs from the merged one, so the merged one is to be sent.
    bool SendNeeded() const;
    // The computer's book differs from what it becomes.
    bool ComputerChanges() const;
    // Entries of the computer's book that lack a name or a number: they stay there, unsent.
    std::size_t KeptOnComputer() const { return m_incomplete.size(); }
    // The base kept from the last sync holds the merged book, by name and number in order:
    // there is no need to keep it again.
    bool BaseCurrent() const;
    // Neither side would change.
    bool InStep() const { return !SendNeeded() && !ComputerChanges(); }

    // Sends the merged book when SendNeeded(), keeping the received book as a backup first
    // unless `keepBackup` is false; 0 when sent or nothing needed sending, else the failure
    // (then the send's state says what happened, as after PhonebookSend::Run). `asked`: a
    // person was asked since the receive, so the handset's book is received again first and
    // nothing is sent when it changed meanwhile.
    Msg Send(ProgressDisplay& progress, bool keepBackup, bool asked);
    const PhonebookSend* LastSend() const { return m_send ? &*m_send : nullptr; }
    // Once both sides hold the merged book: keeps it as the next sync's base.
    Msg KeepBase(FileFailure* failure = nullptr) const;

    // One line for a change: its kind, where it came from, the entry ("Ana Lima 555 0101"); a
    // conflict gives both versions and the side taken.
    static QString KindText(MergeKind kind);
    static QString ChangeText(const MergePlan& plan, const MergeChange& change);
    // "3 added, 1 changed, 0 deleted, 1 kept over a deletion, 1 conflict; 42 of 100 entries."
    static QString SummaryText(const MergePlan& plan, std::size_t resultCount);

private:
    std::vector<PhonebookEntry> m_computer;
    std::vector<PhonebookEntry> m_incomplete;
    HandsetIdentity m_computerIdentity;
    QString m_bookPath;
    MergePreference m_prefer;
    Phonebook m_handset;
    std::string m_handsetName;
    MergePlan m_plan;
    std::optional<PhonebookSend> m_send;
};
