#include "gui/phonebook/PhonebookDocument.h"

#include "core/phonebook/PhonebookDuplicates.h"
#include "core/phonebook/PhonebookFile.h"
#include "core/phonebook/PhonebookLimits.h"
#include "core/phonebook/PhonebookRecovery.h"
#include "core/phonebook/PhonebookTransfer.h"
#include "core/transfer/HandsetOperation.h"

#include "gui/phonebook/FieldEditCommand.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QScopedValueRollback>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace {

// At most one recovery copy a second, however fast the user types.
constexpr int kRecoveryIntervalMs = 1000;

std::vector<PhonebookEntry> EntriesOf(const Phonebook& book)
{
    std::vector<PhonebookEntry> entries;
    entries.reserve(book.Count());
    for (std::size_t i = 0; i < book.Count(); ++i)
        entries.push_back(*book.Entry(i));
    return entries;
}

}  // namespace

PhonebookDocument::PhonebookDocument(QObject* parent) : QObject(parent)
{
    m_recoveryTimer.setSingleShot(true);
    m_recoveryTimer.setInterval(kRecoveryIntervalMs);
    connect(&m_recoveryTimer, &QTimer::timeout, this, &PhonebookDocument::OnRecoveryTimer);
    connect(&m_history, &PhonebookHistory::changed, this, &PhonebookDocument::OnHistoryChanged);
    // Keys typed after another row was selected are a step of their own.
    connect(&m_selection, &QItemSelectionModel::selectionChanged, this, &PhonebookDocument::EndEditSession);
}

PhonebookDocument::~PhonebookDocument()
{
    // As a crash would leave it, but with the last changes in it.
    if (m_recoveryOn && m_recoveryPending)
        WriteRecoveryNow();
}

QList<int> PhonebookDocument::SelectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& i : m_selection.selectedRows())
        rows.append(i.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void PhonebookDocument::SelectRows(const QList<int>& rows)
{
    QItemSelection selection;
    for (int row : rows)
        selection.select(m_model.index(row, 0), m_model.index(row, 1));
    m_selection.select(selection, QItemSelectionModel::ClearAndSelect);
}

bool PhonebookDocument::Modified() const
{
    return m_bookOpen && m_history.Modified(m_model.Entries());
}

Phonebook PhonebookDocument::Book() const
{
    Phonebook book;
    for (int row = 0; row < m_model.Count(); ++row)
        book.Append(m_model.Entry(row));
    book.SetIdentity(m_identity);
    return book;
}

int PhonebookDocument::SortedColumn(bool* descending) const
{
    const int other = m_lastSortColumn == PhonebookListModel::kNameColumn ? PhonebookListModel::kNumberColumn
                                                                         : PhonebookListModel::kNameColumn;
    for (int column : {m_lastSortColumn, other}) {
        const bool lastDescending = m_sortDescending[static_cast<std::size_t>(column)] != 0;
        for (bool d : {lastDescending, !lastDescending}) {
            if (m_model.IsSorted(column, d)) {
                *descending = d;
                return column;
            }
        }
    }
    *descending = false;
    return -1;
}

void PhonebookDocument::Undo()
{
    m_history.Undo();
}

void PhonebookDocument::Redo()
{
    m_history.Redo();
}

BookState PhonebookDocument::CurrentState() const
{
    return {m_model.Entries(), SelectedRows(), m_sortDescending, m_bookOpen, m_filePath, m_identity};
}

BookState PhonebookDocument::RunRecorded(const std::function<void()>& change)
{
    BookState before = CurrentState();
    const QScopedValueRollback recording(m_recording, true);
    change();
    return before;
}

void PhonebookDocument::RecordChange(const QString& text, BookStateCommand::Kind kind,
                                     const std::function<void()>& change)
{
    if (m_recording) {
        change();
        return;
    }
    BookState before = RunRecorded(change);
    BookState after = CurrentState();
    if (before.entries == after.entries && before.sortDescending == after.sortDescending &&
        before.identity == after.identity)
        return;
    m_history.Push(new BookStateCommand(*this, m_history, text, kind, std::move(before), std::move(after)));
}

void PhonebookDocument::RecordNewBook(const QString& text, const std::function<void()>& change, bool neverSaved)
{
    BookState before = RunRecorded(change);
    BookState after = CurrentState();
    if (!before.bookOpen && !after.bookOpen)
        return;
    std::optional<std::vector<PhonebookEntry>> unchanged;
    if (!neverSaved)
        unchanged = PhonebookHistory::InAnyOrder(after.entries);
    m_history.Push(new BookStateCommand(*this, m_history, text, BookStateCommand::Kind::kWholeBook,
                                        std::move(before), std::move(after), std::move(unchanged)));
}

void PhonebookDocument::ApplyState(const BookState& state, bool wholeBook)
{
    const QScopedValueRollback applying(m_applying, true);
    m_model.SetEntries(state.entries);
    m_sortDescending = state.sortDescending;
    // Only a whole book or a replaced one changes the identity; every other step keeps it.
    m_identity = state.identity;
    if (wholeBook) {
        SetOpen(state.bookOpen);
        SetFilePath(state.filePath);
    }
    SelectRows(state.selectedRows);
    const int first = state.selectedRows.isEmpty() ? -1 : state.selectedRows.first();
    if (first >= 0)
        m_selection.setCurrentIndex(m_model.index(first, 0), QItemSelectionModel::NoUpdate);
    emit entryShown(first);
}

void PhonebookDocument::ApplyField(int row, int column, const std::string& text)
{
    const QScopedValueRollback applying(m_applying, true);
    if (column == PhonebookListModel::kNameColumn)
        m_model.SetName(row, text);
    else
        m_model.SetNumber(row, text);
    if (SelectedRows() != QList<int>{row}) {
        SelectRows({row});
        m_selection.setCurrentIndex(m_model.index(row, 0), QItemSelectionModel::NoUpdate);
    }
    emit entryShown(row);
}

void PhonebookDocument::NewBook()
{
    RecordNewBook(QCoreApplication::translate("PhonebookPage", "New Phonebook"), [this] {
        Clear();
        m_sortDescending = {0, 0};
        SetOpen(true);
        m_firstOpen = false;
    });
}

int PhonebookDocument::AddEntry(const std::string& name, const std::string& number)
{
    auto entry = std::make_unique<PhonebookEntry>();
    entry->name = FitName(name);
    entry->number = FitNumber(number);
    int row = 0;
    RecordChange(QCoreApplication::translate("PhonebookPage", "New Entry"), BookStateCommand::Kind::kEntries,
                 [&] { row = m_model.Append(std::move(entry)); });
    return row;
}

int PhonebookDocument::NewEntry()
{
    if (m_model.Count() >= static_cast<int>(MAX_PHONEBOOK_ENTRIES))
        return -1;
    int row = 0;
    RecordChange(QCoreApplication::translate("PhonebookPage", "New Entry"), BookStateCommand::Kind::kEntries, [&] {
        row = AddEntry({}, {});
        SelectRows({row});
    });
    m_selection.setCurrentIndex(m_model.index(row, 0), QItemSelectionModel::NoUpdate);
    emit entryShown(row);
    return row;
}

void PhonebookDocument::EditField(int row, int column, const std::string& text)
{
    if (row < 0 || row >= m_model.Count())
        return;
    const PhonebookEntry& e = m_model.Entry(row);
    const std::string& before = column == PhonebookListModel::kNameColumn ? e.name : e.number;
    if (text == before)
        return;
    m_history.Push(new FieldEditCommand(*this, row, column, before, text, m_history.EditSession()));
}

void PhonebookDocument::DeleteSelected()
{
    RecordChange(QCoreApplication::translate("PhonebookPage", "Delete"), BookStateCommand::Kind::kEntries, [this] {
        for (QList<int> rows = SelectedRows(); !rows.isEmpty(); rows = SelectedRows())
            m_model.Remove(rows.first());
    });
}

void PhonebookDocument::Sort(int column)
{
    if (column != PhonebookListModel::kNameColumn && column != PhonebookListModel::kNumberColumn)
        return;
    RecordChange(QCoreApplication::translate("PhonebookPage", "Sort"), BookStateCommand::Kind::kEntries,
                 [this, column] {
                     auto& descending = m_sortDescending[static_cast<std::size_t>(column)];
                     descending = static_cast<std::uint8_t>(~descending);
                     m_lastSortColumn = column;
                     m_model.Sort(column, descending != 0);
                 });
}

void PhonebookDocument::RecordStep(const QString& stepText, const std::function<void()>& change)
{
    RecordChange(stepText, BookStateCommand::Kind::kEntries, change);
}

void PhonebookDocument::ReplaceBook(const Phonebook& book, const QString& stepText)
{
    const std::vector<PhonebookEntry> entries = EntriesOf(book);
    const auto put = [&] {
        m_model.SetEntries(entries);
        m_identity = book.Identity();
    };
    if (m_bookOpen) {
        RecordChange(stepText, BookStateCommand::Kind::kEntries, put);
    } else {
        RecordNewBook(stepText, [&] {
            Clear();
            put();
            m_sortDescending = {0, 0};
            SetOpen(true);
            m_firstOpen = false;
        }, true);
    }
    emit entryShown(-1);
}

QList<int> PhonebookDocument::DuplicateRows() const
{
    std::vector<bool> later(static_cast<std::size_t>(m_model.Count()), false);
    for (const auto& [first, second] : PhonebookDuplicates::Pairs(m_model.Entries()))
        later[second] = true;
    QList<int> rows;
    for (std::size_t row = 0; row < later.size(); ++row) {
        if (later[row])
            rows.append(static_cast<int>(row));
    }
    return rows;
}

int PhonebookDocument::SelectDuplicates()
{
    const QList<int> rows = DuplicateRows();
    if (rows.isEmpty())
        return 0;
    SelectRows(rows);
    m_selection.setCurrentIndex(m_model.index(rows.first(), 0), QItemSelectionModel::NoUpdate);
    emit entryShown(rows.first());
    return static_cast<int>(rows.size());
}

void PhonebookDocument::Clear()
{
    m_model.Clear();
    m_identity = {};
    SetFilePath(QString());
}

Msg PhonebookDocument::Load(const QString& path, bool sortByName, FileFailure* failure, ProgressDisplay* progress)
{
    Clear();
    // Into a book of the operation's own: the document is touched on its own thread only.
    Phonebook loaded;
    Msg result;
    if (!path.isEmpty()) {
        result = PhonebookFile::Load(path, loaded, failure);
    } else {
        PhonebookTransfer transfer;
        transfer.SetProgressDialog(progress);
        result = HandsetOperation::Run(*progress, [&] { return transfer.ReceivePhonebook(loaded); });
    }
    if (result != Msg::Ok) {
        SetOpen(false);
        return result;
    }
    SetFilePath(path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath());
    m_model.SetEntries(EntriesOf(loaded));
    m_identity = loaded.Identity();
    m_sortDescending = {0, 0};
    m_lastSortColumn = PhonebookListModel::kNameColumn;
    if (sortByName)
        m_model.Sort(PhonebookListModel::kNameColumn, false);
    SetOpen(true);
    m_firstOpen = false;
    if (m_model.Count() > 0) {
        SelectRows({0});
        m_selection.setCurrentIndex(m_model.index(0, 0), QItemSelectionModel::NoUpdate);
        emit entryShown(0);
    }
    return Msg::Ok;
}

Msg PhonebookDocument::Open(const QString& path, FileFailure* failure)
{
    Msg result = Msg::Ok;
    RecordNewBook(QCoreApplication::translate("PhonebookPage", "Open"),
                  [&] { result = Load(path, true, failure, nullptr); });
    return result;
}

Msg PhonebookDocument::SaveAs(const QString& path, FileFailure* failure)
{
    if (!m_bookOpen)
        return Msg::Ok;
    if (const Msg m = PhonebookFile::Save(path, Book(), std::nullopt, failure); m != Msg::Ok)
        return m;
    SetFilePath(QFileInfo(path).absoluteFilePath());
    m_history.MarkUnchanged(m_model.Entries());
    return Msg::Ok;
}

Msg PhonebookDocument::Save(FileFailure* failure)
{
    if (m_filePath.isEmpty())
        return Msg::Ok;
    return SaveAs(m_filePath, failure);
}

Msg PhonebookDocument::Receive(ProgressDisplay& progress)
{
    Msg result = Msg::Ok;
    RecordNewBook(QCoreApplication::translate("PhonebookPage", "Get Phonebook"),
                  [&] { result = Load(QString(), true, nullptr, &progress); });
    return result;
}

const PhonebookSend& PhonebookDocument::PrepareSend()
{
    m_send.emplace(Book());
    return *m_send;
}

Msg PhonebookDocument::Send(ProgressDisplay& progress)
{
    if (!m_send)
        PrepareSend();
    m_lastSend = &*m_send;
    return m_send->Run(progress, true);
}

Msg PhonebookDocument::SendBack(ProgressDisplay& progress, FileFailure* failure)
{
    return PhonebookSend::SendBack(progress, m_lastSend ? m_lastSend->Backup() : QString(), failure);
}

Msg PhonebookDocument::BeginSync(ProgressDisplay& progress, MergePreference prefer)
{
    // The last send may be the last sync's: keep it for SendBack until a new one runs.
    auto sync = std::make_unique<PhonebookSync>(Book(), m_filePath, prefer);
    const Msg received = sync->Receive(progress);
    if (received != Msg::Ok)
        return received;
    if (m_lastSend && m_sync && m_lastSend == m_sync->LastSend())
        m_lastSend = nullptr;
    m_sync = std::move(sync);
    return Msg::Ok;
}

Msg PhonebookDocument::FinishSync(ProgressDisplay& progress, FileFailure* failure, SyncStage* stage)
{
    *stage = SyncStage::Send;
    if (!m_sync)
        return Msg::Cancelled;
    if (m_sync->TooMany())
        return Msg::MaxEntriesReached;
    // The preview was open in between.
    const Msg sent = m_sync->Send(progress, true, true);
    if (m_sync->LastSend())
        m_lastSend = m_sync->LastSend();
    if (sent != Msg::Ok)
        return sent;
    if (m_sync->ComputerChanges())
        ReplaceBook(m_sync->ComputerResult(), QCoreApplication::translate("PhonebookPage", "Sync"));
    *stage = SyncStage::Save;
    if (const Msg saved = Save(failure); saved != Msg::Ok)
        return saved;
    *stage = SyncStage::KeepBase;
    return m_sync->KeepBase(failure);
}

Msg PhonebookDocument::KeepSyncBase(FileFailure* failure)
{
    // Changes not saved are not in the file the base stands for.
    if (!m_sync || Modified() || m_sync->BaseCurrent())
        return Msg::Ok;
    return m_sync->KeepBase(failure);
}

std::optional<std::size_t> PhonebookDocument::ReadHandsetCount(ProgressDisplay& progress)
{
    return PhonebookSend::ReadHandsetCount(progress);
}

void PhonebookDocument::SetOpen(bool open)
{
    if (open == m_bookOpen)
        return;
    m_bookOpen = open;
    emit openChanged(open);
}

void PhonebookDocument::SetFilePath(const QString& path)
{
    if (path == m_filePath)
        return;
    m_filePath = path;
    emit filePathChanged(path);
}

void PhonebookDocument::OnHistoryChanged()
{
    const bool modified = Modified();
    if (m_recoveryOn) {
        if (!modified) {
            m_recoveryPending = false;
            PhonebookRecovery::Remove();
        } else if (m_recoveryTimer.isActive()) {
            m_recoveryPending = true;
        } else {
            WriteRecoveryNow();
            m_recoveryTimer.start();
        }
    }
    emit historyChanged();
    if (modified != m_modified) {
        m_modified = modified;
        emit modifiedChanged(modified);
    }
}

void PhonebookDocument::OnRecoveryTimer()
{
    if (!m_recoveryPending)
        return;
    // Never a copy of a book half loaded or half restored, nor work inside an operation.
    if (m_recording || m_applying || (m_recoveryHold && m_recoveryHold())) {
        m_recoveryTimer.start();
        return;
    }
    m_recoveryPending = false;
    if (m_recoveryOn && Modified()) {
        WriteRecoveryNow();
        m_recoveryTimer.start();
    }
}

void PhonebookDocument::WriteRecoveryNow()
{
    m_recoveryPending = false;
    if (PhonebookRecovery::Write(Book()) != Msg::Ok)
        qWarning("The recovery copy %s could not be written.", qPrintable(PhonebookRecovery::Path()));
}

void PhonebookDocument::EnableRecovery()
{
    m_recoveryOn = true;
    OnHistoryChanged();
}

bool PhonebookDocument::RecoveryExists()
{
    return PhonebookRecovery::Exists();
}

Msg PhonebookDocument::RestoreRecovery(FileFailure* failure)
{
    Msg result = Msg::Ok;
    RecordNewBook(QCoreApplication::translate("PhonebookPage", "Restore"), [&] {
        // In the order the window had, so that a save writes the very same file.
        result = Load(PhonebookRecovery::Path(), false, failure, nullptr);
        // A book with no file yet: Save asks where it goes.
        if (result == Msg::Ok)
            SetFilePath(QString());
    }, true);
    // Unreadable, it would only be offered again at every start.
    if (result != Msg::Ok)
        PhonebookRecovery::Remove();
    return result;
}

void PhonebookDocument::DiscardRecovery()
{
    PhonebookRecovery::Remove();
}

void PhonebookDocument::EndRecovery()
{
    if (!m_recoveryOn)
        return;
    m_recoveryOn = false;
    m_recoveryPending = false;
    m_recoveryTimer.stop();
    PhonebookRecovery::Remove();
}
