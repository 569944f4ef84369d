#include "core/phonebook/PhonebookSync.h"

#include "core/phonebook/PhonebookLimits.h"
#include "core/phonebook/PhonebookMerge.h"
#include "core/phonebook/PhonebookTransfer.h"
#include "core/phonebook/SyncBases.h"

#include "core/common/Cp1252.h"
#include "core/common/ProgressDisplay.h"
#include "core/transfer/HandsetOperation.h"

#include <QCoreApplication>

#include <array>

namespace {

QString EntryText(const PhonebookEntry& e)
{
    return Cp1252::ToUnicode(e.name) + QStringLiteral("  ") + Cp1252::ToUnicode(e.number);
}

}  // namespace

PhonebookSync::PhonebookSync(const Phonebook& computer, const QString& bookPath, MergePreference prefer)
    : m_computerIdentity(computer.Identity()), m_bookPath(bookPath), m_prefer(prefer)
{
    for (std::size_t i = 0; i < computer.Count(); ++i) {
        const PhonebookEntry& e = *computer.Entry(i);
        (e.name.empty() || e.number.empty() ? m_incomplete : m_computer).push_back(e);
    }
}

Msg PhonebookSync::Receive(ProgressDisplay& progress)
{
    PhonebookTransfer transfer;
    transfer.SetProgressDialog(&progress);
    m_handset.Clear();
    const Msg received = HandsetOperation::Run(progress, [&] { return transfer.ReceivePhonebook(m_handset); });
    transfer.SetProgressDialog(nullptr);
    if (received != Msg::Ok)
        return received;
    m_handsetName = transfer.HandsetName();
    // An entry without a name or a number cannot be sent back, so it takes no part either; the
    // backup keeps it.
    std::vector<PhonebookEntry> handset;
    handset.reserve(m_handset.Count());
    for (std::size_t i = 0; i < m_handset.Count(); ++i) {
        const PhonebookEntry& e = *m_handset.Entry(i);
        if (!e.name.empty() && !e.number.empty())
            handset.push_back(e);
    }
    // After a sync the book carries the handset's identity. A book without it (made here, pulled
    // from another handset, or put in the file's place since) was not the one synced, and its
    // base would read every entry it lacks as deleted.
    Phonebook base;
    const bool haveBase = m_computerIdentity == m_handset.Identity() &&
                          SyncBases::Load(m_handset.Identity(), m_bookPath, base);
    m_plan = PhonebookMerge::Plan(haveBase ? &base.Entries() : nullptr, handset, m_computer, m_prefer);
    return Msg::Ok;
}

Phonebook PhonebookSync::Merged() const
{
    Phonebook merged;
    for (PhonebookEntry& e : PhonebookMerge::Apply(m_plan))
        merged.Append(std::move(e));
    merged.SetIdentity(m_handset.Identity());
    return merged;
}

Phonebook PhonebookSync::ComputerResult() const
{
    Phonebook result = Merged();
    // An entry added here and left out of the sync was kept from the handset, not deleted: it
    // stays here, and the next sync offers it again.
    for (const MergeChange& change : m_plan.changes) {
        if (change.kind == MergeKind::Added && change.computer && !change.include)
            result.Append(m_plan.computer[*change.computer]);
    }
    for (const PhonebookEntry& e : m_incomplete)
        result.Append(e);
    return result;
}

bool PhonebookSync::TooMany() const
{
    return Merged().Count() > MAX_PHONEBOOK_ENTRIES;
}

QString PhonebookSync::TooManyText() const
{
    const int count = static_cast<int>(Merged().Count());
    //: %n: the entries the merge gives; %L1 and %L2: the entries of the two books merged.
    return tr("The merged phone book would hold %n entries (the handset's has %L1, the computer's %L2), but the "
              "handset holds at most 100. Nothing was sent or written.",
              nullptr, count)
        .arg(m_plan.handset.size())
        .arg(m_plan.computer.size());
}

bool PhonebookSync::SendNeeded() const
{
    // Only what the handset is sent counts: the names and numbers, and their order.
    return !Phonebook::SameEntries(Merged().Entries(), m_handset.Entries(), Phonebook::Compare::NameAndNumber);
}

bool PhonebookSync::ComputerChanges() const
{
    const Phonebook result = ComputerResult();
    std::vector<PhonebookEntry> before = m_computer;
    before.insert(before.end(), m_incomplete.begin(), m_incomplete.end());
    // Incomplete entries kept their places at the end, so a book in another order differs too.
    return !Phonebook::SameEntries(before, result.Entries(), Phonebook::Compare::WithChoices) ||
           result.Identity() != m_computerIdentity;
}

bool PhonebookSync::BaseCurrent() const
{
    return !m_plan.firstSync &&
           Phonebook::SameEntries(m_plan.base, Merged().Entries(), Phonebook::Compare::NameAndNumber);
}

Msg PhonebookSync::Send(ProgressDisplay& progress, bool keepBackup, bool asked)
{
    m_send.reset();
    if (TooMany())
        return Msg::MaxEntriesReached;
    if (!SendNeeded())
        return Msg::Ok;
    m_send.emplace(Merged());
    m_send->KeepAsBackup(m_handset, m_handsetName, asked);
    return m_send->Run(progress, keepBackup);
}

Msg PhonebookSync::KeepBase(FileFailure* failure) const
{
    return SyncBases::Save(Merged(), m_bookPath, failure);
}

QString PhonebookSync::KindText(MergeKind kind)
{
    // The kinds head the lines of a list, in a column: one word each, hyphens for more.
    switch (kind) {
    //: A kind of change of a sync, the first word of its line.
    case MergeKind::Added: return tr("added");
    case MergeKind::Changed: return tr("changed");
    case MergeKind::Deleted: return tr("deleted");
    case MergeKind::KeptOverDelete: return tr("kept-over-delete");
    case MergeKind::Conflict: return tr("conflict");
    }
    return {};
}

QString PhonebookSync::ChangeText(const MergePlan& plan, const MergeChange& change)
{
    const PhonebookEntry* b = change.base ? &plan.base[*change.base] : nullptr;
    const PhonebookEntry* h = change.handset ? &plan.handset[*change.handset] : nullptr;
    const PhonebookEntry* c = change.computer ? &plan.computer[*change.computer] : nullptr;
    if (change.kind == MergeKind::Conflict) {
        QString taken;
        if (!change.include || change.side == MergeSide::Both)
            taken = tr("both kept");
        else if (change.side == MergeSide::Handset)
            taken = tr("the handset's taken");
        else
            taken = tr("the computer's taken");
        //: A conflict: %1 the handset's version, %2 the computer's, %3 which one is taken.
        return tr("handset: %1 | computer: %2 (%3)").arg(EntryText(*h), EntryText(*c), taken);
    }
    QString where;
    switch (change.side) {
    case MergeSide::Handset: where = tr("on the handset"); break;
    case MergeSide::Computer: where = tr("on the computer"); break;
    case MergeSide::Both: where = tr("on both"); break;
    }
    // Kept over a deletion: both sides did something, and the line says which did what.
    if (change.kind == MergeKind::KeptOverDelete) {
        where = tr("changed on the computer, deleted on the handset");
        if (change.side == MergeSide::Handset)
            where = tr("changed on the handset, deleted on the computer");
    }
    const PhonebookEntry* shown = nullptr;
    switch (change.kind) {
    case MergeKind::Added:
    case MergeKind::KeptOverDelete:
        shown = h && change.side != MergeSide::Computer ? h : c;
        break;
    case MergeKind::Changed:
        shown = change.side == MergeSide::Computer ? c : h;
        break;
    case MergeKind::Deleted:
        shown = b;
        break;
    case MergeKind::Conflict:
        break;
    }
    if (!shown)
        shown = h ? h : (c ? c : b);
    if (change.kind == MergeKind::Changed && b)
        //: A change: %1 where it was made, %2 the entry as it was, %3 as it is now.
        return tr("%1: %2 -> %3").arg(where, EntryText(*b), EntryText(*shown));
    return tr("%1: %2").arg(where, EntryText(*shown));
}

QString PhonebookSync::SummaryText(const MergePlan& plan, std::size_t resultCount)
{
    std::array<int, 5> counts{};
    for (const MergeChange& change : plan.changes)
        ++counts[static_cast<std::size_t>(change.kind)];
    //: The changes of a sync by kind, then the entries the handset will hold of the 100 it can.
    return tr("%L1 added, %L2 changed, %L3 deleted, %L4 kept over a deletion, %L5 in conflict; %L6 of 100 entries.")
        .arg(counts[0])
        .arg(counts[1])
        .arg(counts[2])
        .arg(counts[3])
        .arg(counts[4])
        .arg(resultCount);
}
