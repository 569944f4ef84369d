#pragma once

#include "core/common/FileFailure.h"
#include "core/common/Msg.h"
#include "core/phonebook/Phonebook.h"
#include "core/phonebook/PhonebookSend.h"
#include "core/phonebook/PhonebookSync.h"
#include "core/transfer/HandsetIdentity.h"

#include "gui/phonebook/BookState.h"
#include "gui/phonebook/BookStateCommand.h"
#include "gui/phonebook/PhonebookEditTarget.h"
#include "gui/phonebook/PhonebookHistory.h"
#include "gui/phonebook/PhonebookListModel.h"

#include <QItemSelectionModel>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class ProgressDisplay;

// The phone book being edited, with no window: its entries in the order shown and which of
// them are selected, the sort directions, the undo history, whether there are changes not
// saved, the file it belongs to, the identity of the handset it came from, and the recovery
// copy kept while changes are not saved. Every change to the entries is a step that can be
// undone. The page shows the document, asks the questions and shows the progress; the
// transfers run on the display it passes in.
class PhonebookDocument : public QObject, private PhonebookEditTarget {
    Q_OBJECT
public:
    explicit PhonebookDocument(QObject* parent = nullptr);
    // Leaves the recovery copy in place, up to date: only EndRecovery removes it.
    ~PhonebookDocument() override;

    // The entries as the list shows them, and which are selected (the list's view uses both).
    PhonebookListModel& Model() { return m_model; }
    const PhonebookListModel& Model() const { return m_model; }
    QItemSelectionModel& Selection() { return m_selection; }
    // Selected rows, lowest first.
    QList<int> SelectedRows() const;
    void SelectRows(const QList<int>& rows);

    bool BookOpen() const { return m_bookOpen; }
    // No book was opened, received or made yet.
    bool FirstOpen() const { return m_firstOpen; }
    // The entries differ from those last saved, opened or received, in any order.
    bool Modified() const;
    // Absolute; empty for a book with no file (new, received or restored).
    const QString& FilePath() const { return m_filePath; }
    const HandsetIdentity& Identity() const { return m_identity; }
    // The entries in the order shown, with the identity.
    Phonebook Book() const;
    const PhonebookHistory& History() const { return m_history; }

    // The column whose order the rows are in, for the header's arrow; -1 when in none. The
    // column sorted last wins, in the direction it was sorted.
    int SortedColumn(bool* descending) const;

    void Undo();
    void Redo();
    // Keys typed next into a field start a step of their own.
    void EndEditSession() { m_history.EndEditSession(); }

    // Each of these is one step (none when nothing changed).
    // An empty book, never saved and unchanged.
    void NewBook();
    // Appends a row (the first 16 bytes of the name, 32 of the number); its index.
    int AddEntry(const std::string& name, const std::string& number);
    // An empty row, selected; its index, or -1 when the book is full.
    int NewEntry();
    // A key typed into a field of `row`: part of the field's current step, or one of its own.
    void EditField(int row, int column, const std::string& text);
    void DeleteSelected();
    // Sorts by `column`, the other way from its last sort.
    void Sort(int column);
    // Runs `change`, which may add, remove and sort entries, and records it as one step.
    void RecordStep(const QString& stepText, const std::function<void()>& change);
    // Puts `book`'s entries, in its order, and its identity in place of the open book's, as one
    // step named `stepText`; the file stays, so Modified() says whether it differs from the
    // file. With no book open, `book` is opened as a changed book with no file.
    void ReplaceBook(const Phonebook& book, const QString& stepText);

    // The rows whose entry duplicates one shown above it: equal numbers as dialled or equal
    // names ignoring case. Deleting them leaves the first of each set and no duplicates.
    QList<int> DuplicateRows() const;
    // Selects those rows; how many. With none the selection stays.
    int SelectDuplicates();

    // A file, in place of the open book, sorted by name: one step. A failure closes the book
    // (also one step) and is returned for the page to show.
    Msg Open(const QString& path, FileFailure* failure = nullptr);
    // Writes the book to `path`, which becomes its file, and marks it unchanged.
    Msg SaveAs(const QString& path, FileFailure* failure = nullptr);
    // To its file; with no file (or no book) nothing is written and the result is 0.
    Msg Save(FileFailure* failure = nullptr);

    // The handset's book in place of the open one, sorted by name, as one operation on
    // `progress`: one step, as Open.
    Msg Receive(ProgressDisplay& progress);
    // The send of the book as shown, for the questions before it; replaces the last one.
    const PhonebookSend& PrepareSend();
    // Runs the prepared send, keeping the handset's book as a backup first.
    Msg Send(ProgressDisplay& progress);
    // The last send run, by Send or by a sync; null when there was none.
    const PhonebookSend* LastSend() const { return m_lastSend; }
    // Sends the backup the last send kept back to the handset.
    Msg SendBack(ProgressDisplay& progress, FileFailure* failure = nullptr);
    // What the handset holds, by its own count; nothing when it cannot say.
    static std::optional<std::size_t> ReadHandsetCount(ProgressDisplay& progress);

    // A sync of the book as shown with the handset's: receives the handset's book and plans the
    // merge, as one operation on `progress`. The plan is then PendingSync()'s, to be shown and
    // changed before FinishSync.
    Msg BeginSync(ProgressDisplay& progress, MergePreference prefer = MergePreference::Computer);
    PhonebookSync* PendingSync() { return m_sync.get(); }
    // Where a sync stopped.
    enum class SyncStage { Send, Save, KeepBase };
    // Sends the merged book when the handset's differs (keeping the handset's as a backup
    // first), then puts the result in place of the book as one step, saves the book when it has
    // a file, and keeps the result as the next sync's base. A failed send changes nothing here;
    // `stage` says which part failed.
    Msg FinishSync(ProgressDisplay& progress, FileFailure* failure, SyncStage* stage);
    // The books are in step: keeps them as the base when the last one differs (a first sync).
    Msg KeepSyncBase(FileFailure* failure = nullptr);

    // While `hold` says true (some operation runs), the recovery copy waits.
    void SetRecoveryHold(std::function<bool()> hold) { m_recoveryHold = std::move(hold); }
    // Keeps a recovery copy from now on while there are changes (tests and screenshots don't).
    void EnableRecovery();
    static bool RecoveryExists();
    // The copy left by a run that did not end normally, as a changed book with no file, in its
    // order: one step. On failure the copy is deleted, since it would be offered at every start.
    Msg RestoreRecovery(FileFailure* failure = nullptr);
    // Deletes a copy left over.
    static void DiscardRecovery();
    // The changes were saved or given up on closing: removes the copy kept, and keeps none again.
    void EndRecovery();

signals:
    // After every step done, undone or redone, and every save.
    void historyChanged();
    void modifiedChanged(bool modified);
    void openChanged(bool open);
    void filePathChanged(const QString& path);
    // A step was applied, an entry made or a book brought in: the list brings `row` into view
    // (none for -1) and the fields show the selected entry again.
    void entryShown(int row);

private:
    void ApplyState(const BookState& state, bool wholeBook) override;
    void ApplyField(int row, int column, const std::string& text) override;

    BookState CurrentState() const;
    // Runs `change` as part of a step being recorded; returns the state before.
    BookState RunRecorded(const std::function<void()>& change);
    // Runs `change` and records what it did to the entries as one step (none if nothing changed).
    void RecordChange(const QString& text, BookStateCommand::Kind kind, const std::function<void()>& change);
    // Runs `change`, which brings in another book, and records it as one step; the new book is
    // unchanged unless `neverSaved`.
    void RecordNewBook(const QString& text, const std::function<void()>& change, bool neverSaved = false);
    // Empties the book, its file and identity (inside a step).
    void Clear();
    // Replaces the book with a file's (a path) or the handset's, sorted by name unless told
    // otherwise; on failure the book is closed.
    Msg Load(const QString& path, bool sortByName, FileFailure* failure, ProgressDisplay* progress);
    void SetOpen(bool open);
    void SetFilePath(const QString& path);
    void OnHistoryChanged();
    void WriteRecoveryNow();
    void OnRecoveryTimer();

    PhonebookListModel m_model;
    QItemSelectionModel m_selection{&m_model};
    PhonebookHistory m_history;
    std::array<std::uint8_t, 2> m_sortDescending{};
    int m_lastSortColumn = PhonebookListModel::kNameColumn;
    HandsetIdentity m_identity;
    bool m_bookOpen = false;
    bool m_firstOpen = true;
    QString m_filePath;
    bool m_modified = false;
    // Inside a step being recorded or applied: the book may be half loaded.
    bool m_recording = false;
    bool m_applying = false;
    std::optional<PhonebookSend> m_send;
    std::unique_ptr<PhonebookSync> m_sync;
    const PhonebookSend* m_lastSend = nullptr;
    bool m_recoveryOn = false;
    bool m_recoveryPending = false;
    QTimer m_recoveryTimer;
    std::function<bool()> m_recoveryHold;
};
