#pragma once

#include "core/contacts/ContactImport.h"
#include "core/phonebook/Phonebook.h"

#include "gui/phonebook/BookState.h"
#include "gui/phonebook/BookStateCommand.h"
#include "gui/phonebook/PhonebookEditTarget.h"
#include "gui/phonebook/PhonebookListModel.h"
#include "gui/shell/TabPage.h"
#include "gui/shell/UserPrompts.h"

#include <QString>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>
#include <map>

struct ImportExportChoices;
class PhonebookSend;
class PhoneNumberEdit;
class QAction;
class PhonebookHistory;
class PictureButton;
class QLineEdit;
class QToolButton;
class QTreeView;

// The phone-book page: the list of entries, the name and number of the selected one, and the
// commands for files, the handset and the entries. Every change to the book is a step that
// can be undone and redone; while changes are not saved, a recovery copy of the book is kept.
class PhonebookPage : public TabPage, public PhonebookEditTarget {
    Q_OBJECT
public:
    // Control ids of the page's buttons.
    enum ButtonId {
        kReceive = 1024,
        kSend = 1025,
        kSave = 1027,
        kNewPhonebook = 1028,
        kOpen = 1029,
        kDeselectAll = 1053,
        kDelete = 1054,
        kNewEntry = 1055,
        kSelectAll = 1056,
        kImportExport = 1058,
        kWebLink = 1154,
    };

    explicit PhonebookPage(QWidget* parent = nullptr);
    // Leaves the recovery copy in place, up to date: only a close that asked about the changes
    // removes it.
    ~PhonebookPage() override;

    void SetUpUi() override;
    bool OnClose() override;

    void Undo();
    void Redo();
    const PhonebookHistory& History() const { return *m_history; }
    QToolButton* UndoButton() const { return m_undoButton; }
    QToolButton* RedoButton() const { return m_redoButton; }

    // The running program keeps a recovery copy from now on (tests and screenshots do not).
    void EnableRecovery();
    // When a recovery copy is left from a run that did not end normally: asks whether to restore
    // it. Yes shows it as a changed book with no file; No deletes it. True when restored.
    bool OfferRecovery();

    // Appends a row (the first 16 bytes of the name, 32 of the number) as a step of its own.
    int AddEntry(const std::string& name, const std::string& number);
    void ClearBook();
    // Ends the progress window and shows the failure, except Msg::RefusedHandsetCanceledImage and Msg::Cancelled, which end silently.
    void ReportResult(Msg code, bool closeBook, const FileFailure& failure = {});
    void UpdateButtons();

    void OnNewEntry();
    void OnDelete();
    void OnSelectAll();
    void OnDeselectAll();
    void OnNewPhonebook();
    void OnImportExport();
    // Acts on the wizard's choices after Finish: the export, or the import through AddEntry.
    ImportOutcome FinishImportExport(const ImportExportChoices& choices);
    void OnSort(int column);

    void OnOpen();
    void OnSave() { SaveBook(); }
    // 0 when saved, cancelled or with no book open; else the failure, already shown.
    Msg SaveBook();
    UserPrompts::Answer PromptSaveChanges(UserPrompts::Buttons buttons);
    QString GetBookFolder() const;
    void ShowFilePath(const QString& path);

    // A file with a path, the handset without one; either way it replaces the open book.
    void LoadOrReceive(const QString& path);
    void OnReceive();
    void OnSend();
    void CheckHandset();

    // State, for the window and for tests.
    bool Modified() const;
    bool BookOpen() const { return m_bookOpen; }
    bool FirstOpen() const { return m_firstOpen; }
    bool HandsetReady() const { return m_handsetReady; }
    const QString& FilePath() const { return m_filePath; }
    const Phonebook& Book() const { return m_book; }
    PhonebookListModel& Model() { return *m_model; }
    QTreeView* List() const { return m_list; }
    QLineEdit* NameEdit() const { return m_nameEdit; }
    PhoneNumberEdit* NumberEdit() const { return m_numberEdit; }
    PictureButton* Button(int id) const;
    // Selected rows, lowest first.
    QList<int> SelectedRows() const;
    void SelectRows(const QList<int>& rows);

    static QString SaveChangesQuestion();
    static QString BackupFailedText();
    static QString RestoreQuestion();

    void ApplyState(const BookState& state, bool wholeBook) override;
    void ApplyField(int row, int column, const std::string& text) override;

protected:
    void UpdateForHandset() override { CheckHandset(); }
    // Under the handset buttons it explains, beside the list.
    QRect HandsetNotePlace() const override { return {6, 184, 142, 160}; }
    const char* LockOwnerName() const override { return "PhonebookDlg"; }
    void OnHandsetInfoRead(Msg result) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The question before a send: the general one, or, when the send would only empty the
    // handset's book, one that says so (No by default). True to send.
    bool ConfirmSend(const PhonebookSend& send);
    // After a send that stopped once the handset's book was cleared: says what the handset holds
    // and offers to send the kept book back.
    void OfferBackupBack(const PhonebookSend& send);
    void OnSelectionChanged();
    void OnNameChanged(const QString& text);
    void OnNumberChanged(const QString& text);
    // A key typed into a field: one step, or part of the field's current one.
    void OnFieldEdited(int column, const QString& text);
    // The selected row's name and number in the fields; empty fields with none selected.
    void ShowSelectedEntry();
    // Replaces the open book with a file's (a path) or the handset's, sorted by name unless
    // told otherwise; false when that failed and the book was closed.
    bool LoadBook(const QString& path, bool sortByName = true);
    // The rows, copied in display order, with the open book's identity.
    void CopyRowsInto(Phonebook& target) const;
    Msg SaveBookAsked(bool* cancelled);

    BookState CurrentState() const;
    // Runs `change` as part of a step being recorded; returns the page as it was before.
    BookState RunRecorded(const std::function<void()>& change);
    // Runs `change` and records what it did to the entries as one step (none if nothing changed).
    void RecordChange(const QString& text, BookStateCommand::Kind kind, const std::function<void()>& change);
    // Runs `change`, which brings in another book, and records it as one step; the new book is
    // unchanged unless `neverSaved`.
    void RecordNewBook(const QString& text, const std::function<void()>& change, bool neverSaved = false);
    void OnHistoryChanged();
    // The header's arrow on the column the rows are sorted by, the way they are sorted; the
    // column sorted last wins when the rows are in its order, and none shows when they are in
    // no column's order.
    void UpdateSortIndicator();
    void WriteRecoveryNow();
    void OnRecoveryTimer();

    std::array<std::uint8_t, 2> m_sortDescending{};
    int m_lastSortColumn = 0;
    Phonebook m_book;
    std::map<int, PictureButton*> m_buttons;
    PhonebookListModel* m_model = nullptr;
    QTreeView* m_list = nullptr;
    QLineEdit* m_nameEdit = nullptr;
    PhoneNumberEdit* m_numberEdit = nullptr;
    PhonebookHistory* m_history = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QToolButton* m_undoButton = nullptr;
    QToolButton* m_redoButton = nullptr;
    // The page itself is changing the list or the fields: that is no edit of the user's.
    bool m_applying = false;
    bool m_recording = false;
    bool m_recoveryOn = false;
    bool m_recoveryPending = false;
    QTimer m_recoveryTimer;
    bool m_bookOpen = false;
    bool m_firstOpen = true;
    QString m_filePath;
    bool m_handsetReady = false;
};
