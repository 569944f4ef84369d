#pragma once

#include "core/contacts/ContactImport.h"
#include "core/phonebook/PhonebookListModel.h"
#include "core/phonebook/PhonebookTransfer.h"

#include "gui/shell/TabPage.h"
#include "gui/shell/UserPrompts.h"

#include <QString>

#include <array>
#include <cstdint>
#include <map>

struct ImportExportChoices;
class PhoneNumberEdit;
class PictureButton;
class QLineEdit;
class QTreeView;

// The phone-book page: the list of entries, the name and number of the selected one, and the
// commands for files, the handset and the entries.
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
        kWebLink = 1154,
    };

    explicit PhonebookPage(QWidget* parent = nullptr);

    void OnInitDialog() override;
    bool OnClose() override;

    // Appends a row (the first 16 bytes of the name, 32 of the number); marks the book changed.
    int AddEntry(const std::string& name, const std::string& number);
    void ClearBook();
    // Ends the progress window and shows the failure, except Msg::RefusedHandsetCanceledImage and Msg::Cancelled, which end silently.
    void ReportResult(Msg code, bool closeBook);
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
    bool Modified() const { return m_modified; }
    bool BookOpen() const { return m_bookOpen; }
    bool FirstOpen() const { return m_firstOpen; }
    bool HandsetReady() const { return m_handsetReady; }
    const QString& FilePath() const { return m_filePath; }
    const PhonebookTransfer& Book() const { return m_book; }
    PhonebookListModel& Model() { return *m_model; }
    QTreeView* List() const { return m_list; }
    QLineEdit* NameEdit() const { return m_nameEdit; }
    PhoneNumberEdit* NumberEdit() const { return m_numberEdit; }
    PictureButton* Button(int id) const;
    // Selected rows, lowest first.
    QList<int> SelectedRows() const;
    void SelectRows(const QList<int>& rows);

    static const QString kSaveChangesQuestion;
    static const QString kBackupFailedText;

protected:
    void UpdateForHandset() override { CheckHandset(); }
    const char* LockOwnerName() const override { return "PhonebookDlg"; }
    void OnHandsetInfoRead(Msg result) override;
    void showEvent(QShowEvent* event) override;

private:
    // After a send that stopped once the handset's book was cleared: says what the handset holds
    // and offers to send the kept book back.
    void OfferBackupBack(const QString& backup, std::size_t sent, std::size_t total);
    void OnSelectionChanged();
    void OnNameChanged(const QString& text);
    void OnNumberChanged(const QString& text);
    // The rows, copied in display order, with the open book's identity.
    void CopyRowsInto(PhonebookTransfer& target, bool completeOnly, bool* leftOut) const;
    Msg SaveBookAsked(bool* cancelled);

    std::array<std::uint8_t, 2> m_sortDescending{};
    PhonebookTransfer m_book;
    std::map<int, PictureButton*> m_buttons;
    PhonebookListModel* m_model = nullptr;
    QTreeView* m_list = nullptr;
    QLineEdit* m_nameEdit = nullptr;
    PhoneNumberEdit* m_numberEdit = nullptr;
    bool m_modified = false;
    bool m_bookOpen = false;
    bool m_firstOpen = true;
    QString m_filePath;
    bool m_handsetReady = false;
};
