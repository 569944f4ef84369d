#pragma once

#include "core/contacts/ContactImport.h"

#include "gui/phonebook/PhonebookDocument.h"
#include "gui/phonebook/PhonebookListModel.h"
#include "gui/shell/TabPage.h"
#include "gui/shell/UserPrompts.h"

#include <QString>

#include <map>
#include <string>

struct ImportExportChoices;
class PhonebookSend;
class PhoneNumberEdit;
class QAction;
class PictureButton;
class QLineEdit;
class QToolButton;
class QTreeView;

// The phone-book page: the list of entries, the name and number of the selected one, and the
// commands for files, the handset and the entries. It shows a PhonebookDocument, which holds the
// book, its undo history, its file and its recovery copy; the page asks the questions, shows the
// progress and the results, and passes the user's commands on.
class PhonebookPage : public TabPage {
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
        kSync = 1059,
        kWebLink = 1154,
    };

    explicit PhonebookPage(QWidget* parent = nullptr);
    ~PhonebookPage() override;

    void SetUpUi() override;
    bool OnClose() override;

    // The book the page shows.
    PhonebookDocument& Document() { return m_document; }
    const PhonebookDocument& Document() const { return m_document; }

    void Undo();
    void Redo();
    const PhonebookHistory& History() const { return m_document.History(); }
    QToolButton* UndoButton() const { return m_undoButton; }
    QToolButton* RedoButton() const { return m_redoButton; }
    QAction* SelectDuplicatesAction() const { return m_selectDuplicatesAction; }

    // The running program keeps a recovery copy from now on (tests and screenshots do not).
    void EnableRecovery() { m_document.EnableRecovery(); }
    // When a recovery copy is left from a run that did not end normally: asks whether to restore
    // it. Yes shows it as a changed book with no file; No deletes it. True when restored.
    bool OfferRecovery();

    // Appends a row (the first 16 bytes of the name, 32 of the number) as a step of its own.
    int AddEntry(const std::string& name, const std::string& number) { return m_document.AddEntry(name, number); }
    void UpdateButtons();

    void OnNewEntry();
    void OnDelete();
    void OnSelectAll();
    void OnDeselectAll();
    // Selects every entry that duplicates one above it, and says how many in the status bar.
    void OnSelectDuplicates();
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

    // A file with a path, the handset without one; either way it replaces the open book.
    void LoadOrReceive(const QString& path);
    void OnReceive();
    void OnSend();
    // Receives the handset's book, shows what a merge with this one would change, and on OK
    // sends the result, puts it in the list as one step, saves it and keeps it as the base.
    void OnSync();
    void CheckHandset();

    // State, for the window and for tests.
    bool Modified() const { return m_document.Modified(); }
    bool BookOpen() const { return m_document.BookOpen(); }
    bool HandsetReady() const { return m_handsetReady; }
    const QString& FilePath() const { return m_document.FilePath(); }
    PhonebookListModel& Model() { return m_document.Model(); }
    QTreeView* List() const { return m_list; }
    QLineEdit* NameEdit() const { return m_nameEdit; }
    PhoneNumberEdit* NumberEdit() const { return m_numberEdit; }
    PictureButton* Button(int id) const;
    // Selected rows, lowest first.
    QList<int> SelectedRows() const { return m_document.SelectedRows(); }
    void SelectRows(const QList<int>& rows) { m_document.SelectRows(rows); }

    static QString SaveChangesQuestion();
    static QString BackupFailedText();
    static QString RestoreQuestion();

protected:
    void UpdateForHandset() override { CheckHandset(); }
    // Under the handset buttons it explains, beside the list.
    QRect HandsetNotePlace() const override { return {6, 184, 142, 160}; }
    const char* LockOwnerName() const override { return "PhonebookDlg"; }
    void OnHandsetInfoRead(Msg result) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Ends the progress window and shows the failure, except Msg::RefusedHandsetCanceledImage and
    // Msg::Cancelled, which end silently.
    void ReportResult(Msg code, const FileFailure& failure = {});
    // The question before a send: the general one, or, when the send would only empty the
    // handset's book, one that says so (No by default). True to send.
    bool ConfirmSend(const PhonebookSend& send);
    // After a send that stopped once the handset's book was cleared: says what the handset holds
    // and offers to send the kept book back.
    void OfferBackupBack(const PhonebookSend& send);
    // After a send (of Send or of a sync) that failed: says why, and offers the backup back
    // when the handset's book was cleared.
    void ReportSendFailure(const PhonebookSend& send, Msg result);
    void OnNameChanged(const QString& text);
    void OnNumberChanged(const QString& text);
    // A key typed into a field: one step, or part of the field's current one.
    void OnFieldEdited(int column, const QString& text);
    // The selected row's name and number in the fields; empty fields with none selected.
    void ShowSelectedEntry();
    // The document put `row` in front: the list scrolls to it and the fields follow.
    void OnEntryShown(int row);
    Msg SaveBookAsked(bool* cancelled);
    void OnHistoryChanged();
    // The header's arrow on the column the rows are sorted by, the way they are sorted.
    void UpdateSortIndicator();

    PhonebookDocument m_document;
    std::map<int, PictureButton*> m_buttons;
    QTreeView* m_list = nullptr;
    QLineEdit* m_nameEdit = nullptr;
    PhoneNumberEdit* m_numberEdit = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QAction* m_selectDuplicatesAction = nullptr;
    QToolButton* m_undoButton = nullptr;
    QToolButton* m_redoButton = nullptr;
    // The page itself is filling the fields: that is no edit of the user's.
    bool m_showing = false;
    bool m_handsetReady = false;
};
