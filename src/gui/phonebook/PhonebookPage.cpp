#include "gui/phonebook/PhonebookPage.h"

#include "core/phonebook/BookFolder.h"
#include "core/phonebook/PhonebookLimits.h"
#include "core/phonebook/PhonebookSend.h"
#include "gui/phonebook/Cp1252Validator.h"
#include "gui/phonebook/PhoneNumberEdit.h"
#include "gui/phonebook/PhonebookHistory.h"
#include "gui/phonebook/SyncPreviewDialog.h"

#include "gui/contacts/ImportExportWizard.h"
#include "gui/shell/Artwork.h"
#include "gui/shell/PictureButton.h"
#include "core/contacts/ExportContacts.h"
#include "gui/shell/WelcomePage.h"
#include "gui/shell/PictureIds.h"
#include "core/common/Cp1252.h"
#include "core/common/StringTable.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QToolButton>
#include <QTreeView>

namespace {

constexpr std::uint32_t kSaveFilter = 191;
constexpr std::uint32_t kOpenFilter = 192;
constexpr std::uint32_t kLoadingFile = 371;
constexpr std::uint32_t kSavingFile = 372;
constexpr std::uint32_t kWebLinkTip = 269;
// Undo and Redo, two small square buttons side by side at the end of the number field.
constexpr QRect kUndoButtonsPlace{562, 112, 46, 22};

struct ButtonPlace {
    int id;
    QRect place;
    int in, out, disabled;
    std::uint32_t tip;
    const char* name;  // for screen readers
};

// Where each button goes, its pictures and its tool tip.
const ButtonPlace kButtons[] = {
    {PhonebookPage::kOpen, {170, 48, 105, 18}, picture::kOpenIn, picture::kOpenOut, picture::kOpenDisabled, 270,
     QT_TRANSLATE_NOOP("PhonebookPage", "Open phone book")},
    {PhonebookPage::kSave, {285, 48, 105, 18}, picture::kSaveIn, picture::kSaveOut, picture::kSaveDisabled, 271,
     QT_TRANSLATE_NOOP("PhonebookPage", "Save phone book")},
    {PhonebookPage::kNewPhonebook, {400, 48, 117, 18}, picture::kNewBookIn, picture::kNewBookOut,
     picture::kNewBookDisabled, 272, QT_TRANSLATE_NOOP("PhonebookPage", "New phone book")},
    {PhonebookPage::kReceive, {64, 68, 32, 31}, picture::kReceiveIn, picture::kReceiveOut, picture::kReceiveDisabled,
     273, QT_TRANSLATE_NOOP("PhonebookPage", "Get the phone book from the handset")},
    {PhonebookPage::kSend, {96, 68, 34, 31}, picture::kSendIn, picture::kSendOut, picture::kSendDisabled, 274,
     QT_TRANSLATE_NOOP("PhonebookPage", "Send the phone book to the handset")},
    {PhonebookPage::kSync, {64, 106, 32, 33}, picture::kSyncIn, picture::kSyncOut, picture::kSyncDisabled,
     ToId(Msg::SyncButtonTip), QT_TRANSLATE_NOOP("PhonebookPage", "Sync the phone book with the handset")},
    {PhonebookPage::kImportExport, {96, 106, 34, 33}, picture::kImportExportIn, picture::kImportExportOut,
     picture::kImportExportDisabled, 279, QT_TRANSLATE_NOOP("PhonebookPage", "Import or export contacts")},
    {PhonebookPage::kNewEntry, {96, 144, 34, 32}, picture::kNewEntryIn, picture::kNewEntryOut,
     picture::kNewEntryDisabled, 278, QT_TRANSLATE_NOOP("PhonebookPage", "New entry")},
    {PhonebookPage::kSelectAll, {170, 350, 105, 19}, picture::kSelectAllIn, picture::kSelectAllOut,
     picture::kSelectAllDisabled, 275, QT_TRANSLATE_NOOP("PhonebookPage", "Select all")},
    {PhonebookPage::kDeselectAll, {285, 350, 105, 19}, picture::kDeselectAllIn, picture::kDeselectAllOut,
     picture::kDeselectAllDisabled, 276, QT_TRANSLATE_NOOP("PhonebookPage", "Deselect all")},
    {PhonebookPage::kDelete, {435, 350, 182, 19}, picture::kDeleteIn, picture::kDeleteOut, picture::kDeleteDisabled,
     277, QT_TRANSLATE_NOOP("PhonebookPage", "Delete selected entries")},
    {PhonebookPage::kWebLink, {200, 390, 387, 33}, picture::kWebLinkIn, picture::kWebLinkOut, 0, kWebLinkTip,
     QT_TRANSLATE_NOOP("PhonebookPage", "Orvak web site")},
};

}  // namespace

QString PhonebookPage::SaveChangesQuestion()
{
    return tr("Save changes to current phonebook loaded?");
}

QString PhonebookPage::BackupFailedText()
{
    return tr("The handset's phone book could not be kept before the send, so nothing was sent.");
}

QString PhonebookPage::RestoreQuestion()
{
    return tr("The program did not close normally last time, and a phone book had changes that were not "
              "saved. Restore that phone book?");
}

PhonebookPage::PhonebookPage(QWidget* parent) : TabPage(parent)
{
    m_list = new QTreeView(this);
    m_nameEdit = new QLineEdit(this);
    m_numberEdit = new PhoneNumberEdit(this);
    for (const ButtonPlace& place : kButtons) {
        auto* button = new PictureButton(this);
        button->setObjectName(QStringLiteral("button%1").arg(place.id));
        m_buttons[place.id] = button;
    }
    m_undoAction = new QAction(this);
    m_redoAction = new QAction(this);
    m_selectDuplicatesAction = new QAction(this);
    m_undoButton = new QToolButton(this);
    m_redoButton = new QToolButton(this);
    m_list->setModel(&m_document.Model());
    // The document's selection: the undo steps keep and bring back which entries were selected.
    QItemSelectionModel* own = m_list->selectionModel();
    m_list->setSelectionModel(&m_document.Selection());
    delete own;
    // No copy of a book while an operation of any page runs: it may be half loaded.
    m_document.SetRecoveryHold(&TabPage::IsBusy);
}

PhonebookPage::~PhonebookPage()
{
    // The document goes before the list that shows it.
    m_list->setModel(nullptr);
}

void PhonebookPage::SetUpUi()
{
    TabPage::SetUpUi();
    for (const ButtonPlace& place : kButtons) {
        SetUpButton(m_buttons[place.id], place.place, place.in, place.out, place.disabled, place.tip,
                    place.id == kWebLink);
        m_buttons[place.id]->setAccessibleName(tr(place.name));
    }
    connect(m_buttons[kReceive], &QAbstractButton::clicked, this, &PhonebookPage::OnReceive);
    connect(m_buttons[kSend], &QAbstractButton::clicked, this, &PhonebookPage::OnSend);
    connect(m_buttons[kSync], &QAbstractButton::clicked, this, &PhonebookPage::OnSync);
    connect(m_buttons[kOpen], &QAbstractButton::clicked, this, &PhonebookPage::OnOpen);
    connect(m_buttons[kSave], &QAbstractButton::clicked, this, &PhonebookPage::OnSave);
    connect(m_buttons[kNewPhonebook], &QAbstractButton::clicked, this, &PhonebookPage::OnNewPhonebook);
    connect(m_buttons[kNewEntry], &QAbstractButton::clicked, this, &PhonebookPage::OnNewEntry);
    connect(m_buttons[kDelete], &QAbstractButton::clicked, this, &PhonebookPage::OnDelete);
    connect(m_buttons[kSelectAll], &QAbstractButton::clicked, this, &PhonebookPage::OnSelectAll);
    connect(m_buttons[kDeselectAll], &QAbstractButton::clicked, this, &PhonebookPage::OnDeselectAll);
    connect(m_buttons[kImportExport], &QAbstractButton::clicked, this, &PhonebookPage::OnImportExport);

    PhonebookListModel* model = &m_document.Model();
    m_list->setGeometry(155, 140, 466, 206);
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->header()->setSectionsClickable(true);
    m_list->header()->setSortIndicatorShown(true);
    // Half the room beside the scroll bar each, so that the columns always fit and no
    // horizontal scroll bar appears.
    m_list->header()->setSectionResizeMode(QHeaderView::Stretch);
    m_list->setAccessibleName(tr("Phone book entries"));
    MarkFocusAround(m_list);
    connect(m_list->header(), &QHeaderView::sectionClicked, this, &PhonebookPage::OnSort);
    connect(model, &QAbstractItemModel::layoutChanged, this, &PhonebookPage::UpdateSortIndicator);
    connect(model, &QAbstractItemModel::modelReset, this, &PhonebookPage::UpdateSortIndicator);
    connect(model, &QAbstractItemModel::rowsInserted, this, &PhonebookPage::UpdateSortIndicator);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &PhonebookPage::UpdateSortIndicator);
    connect(model, &QAbstractItemModel::dataChanged, this, &PhonebookPage::UpdateSortIndicator);
    UpdateSortIndicator();
    // A reset drops the selection without a word, so the fields are emptied here.
    connect(model, &QAbstractItemModel::modelReset, this, &PhonebookPage::ShowSelectedEntry);
    connect(&m_document.Selection(), &QItemSelectionModel::selectionChanged, this,
            &PhonebookPage::ShowSelectedEntry);
    connect(&m_document, &PhonebookDocument::entryShown, this, &PhonebookPage::OnEntryShown);
    connect(&m_document, &PhonebookDocument::openChanged, this, &PhonebookPage::UpdateButtons);
    connect(&m_document, &PhonebookDocument::filePathChanged, this, [this](const QString& path) { ShowPathInPane(path); });

    m_nameEdit->setAccessibleName(tr("Name"));
    m_numberEdit->setAccessibleName(tr("Number"));
    m_nameEdit->setGeometry(255, 82, 300, 23);
    m_numberEdit->setGeometry(255, 112, 300, 23);
    m_nameEdit->setMaxLength(static_cast<int>(MAX_NAME_LENGTH));
    m_numberEdit->setMaxLength(static_cast<int>(MAX_NUMBER_LENGTH));
    m_nameEdit->setValidator(new Cp1252Validator(m_nameEdit));
    m_nameEdit->setEnabled(false);
    m_numberEdit->setEnabled(false);
    connect(m_nameEdit, &QLineEdit::textChanged, this, &PhonebookPage::OnNameChanged);
    connect(m_numberEdit, &QLineEdit::textChanged, this, &PhonebookPage::OnNumberChanged);
    for (QLineEdit* edit : {m_nameEdit, static_cast<QLineEdit*>(m_numberEdit)}) {
        connect(edit, &QLineEdit::editingFinished, &m_document, &PhonebookDocument::EndEditSession);
        // The fields' own undo would bypass the book's history.
        edit->installEventFilter(this);
    }

    m_undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    m_undoAction->setIcon(Artwork::UndoIcon(false));
    m_redoAction->setIcon(Artwork::UndoIcon(true));
    connect(m_undoAction, &QAction::triggered, this, &PhonebookPage::Undo);
    connect(m_redoAction, &QAction::triggered, this, &PhonebookPage::Redo);
    addAction(m_undoAction);
    addAction(m_redoAction);
    m_selectDuplicatesAction->setText(tr("Select &Duplicates"));
    // On the list, where the selection is; the menu key opens the same menu.
    m_selectDuplicatesAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    m_selectDuplicatesAction->setShortcutContext(Qt::WidgetShortcut);
    connect(m_selectDuplicatesAction, &QAction::triggered, this, &PhonebookPage::OnSelectDuplicates);
    // The list's context menu: Undo, Redo, and the selection of duplicates.
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_list->addAction(m_undoAction);
    m_list->addAction(m_redoAction);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    m_list->addAction(separator);
    m_list->addAction(m_selectDuplicatesAction);
    m_list->installEventFilter(this);
    int x = kUndoButtonsPlace.x();
    for (QToolButton* button : {m_undoButton, m_redoButton}) {
        button->setDefaultAction(button == m_undoButton ? m_undoAction : m_redoAction);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(x, kUndoButtonsPlace.y(), kUndoButtonsPlace.height(), kUndoButtonsPlace.height());
        x += kUndoButtonsPlace.height() + 2;
    }
    connect(&m_document, &PhonebookDocument::historyChanged, this, &PhonebookPage::OnHistoryChanged);
    OnHistoryChanged();
    UpdateButtons();
}

bool PhonebookPage::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        (watched == m_nameEdit || watched == m_numberEdit)) {
        const QKeySequence key(static_cast<QKeyEvent*>(event)->keyCombination());
        if (m_undoAction->shortcuts().contains(key) || m_redoAction->shortcuts().contains(key)) {
            // Left unaccepted, the override lets the page's shortcut have the key; a key press
            // that still arrives (nothing to undo) is dropped.
            return true;
        }
    }
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Shift+F10 opens the list's menu as the menu key does, at the current row.
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
            const QRect row = m_list->visualRect(m_list->currentIndex());
            const QPoint place = m_list->viewport()->mapTo(m_list, row.isValid() ? row.center() : QPoint(0, 0));
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, place, m_list->mapToGlobal(place));
            QApplication::sendEvent(m_list, &menu);
            return true;
        }
    }
    return TabPage::eventFilter(watched, event);
}

void PhonebookPage::Undo()
{
    if (isEnabled())
        m_document.Undo();
}

void PhonebookPage::Redo()
{
    if (isEnabled())
        m_document.Redo();
}

void PhonebookPage::OnHistoryChanged()
{
    const QString undo = History().UndoText();
    const QString redo = History().RedoText();
    //: %1 is the step undone, "New Entry" say.
    m_undoAction->setText(undo.isEmpty() ? tr("Undo") : tr("Undo %1").arg(undo));
    //: %1 is the step redone, "New Entry" say.
    m_redoAction->setText(redo.isEmpty() ? tr("Redo") : tr("Redo %1").arg(redo));
    m_undoAction->setEnabled(History().CanUndo());
    m_redoAction->setEnabled(History().CanRedo());
}

void PhonebookPage::OnEntryShown(int row)
{
    if (row >= 0)
        m_list->scrollTo(m_document.Model().index(row, 0));
    ShowSelectedEntry();
}

bool PhonebookPage::OfferRecovery()
{
    bool restored = false;
    if (PhonebookDocument::RecoveryExists()) {
        if (UserPrompts::Current().Ask(this, RestoreQuestion(), UserPrompts::Buttons::YesNo,
                                       UserPrompts::Icon::Question) == UserPrompts::Answer::Yes) {
            BeginProgress(0, kLoadingFile);
            FileFailure failure;
            const Msg result = m_document.RestoreRecovery(&failure);
            if (result != Msg::Ok)
                ReportResult(result, failure);
            else
                EndProgress();
            restored = result == Msg::Ok;
        }
        if (!restored)
            PhonebookDocument::DiscardRecovery();
    }
    m_document.EnableRecovery();
    UpdateButtons();
    return restored;
}

PictureButton* PhonebookPage::Button(int id) const
{
    const auto it = m_buttons.find(id);
    return it == m_buttons.end() ? nullptr : it->second;
}

void PhonebookPage::UpdateButtons()
{
    QWidget* focus = QApplication::focusWidget();
    const bool open = m_document.BookOpen();
    const auto enable = [this](int id, bool on) { m_buttons[id]->setEnabled(on); };
    enable(kOpen, true);
    enable(kNewPhonebook, true);
    enable(kReceive, m_handsetReady);
    enable(kSend, open && m_handsetReady);
    enable(kSync, open && m_handsetReady);
    for (int id : {kSave, kSelectAll, kDeselectAll, kDelete, kNewEntry, kImportExport})
        enable(id, open);
    m_selectDuplicatesAction->setEnabled(open);
    if (focus && focus->isEnabled())
        focus->setFocus();
}

void PhonebookPage::OnNewEntry()
{
    const int row = m_document.NewEntry();
    if (row < 0) {
        ShowWarning(this, ToId(Msg::MaxEntriesReached));
        return;
    }
    m_nameEdit->setFocus();
}

void PhonebookPage::OnDelete()
{
    // No question: the selected rows go, as one step.
    m_document.DeleteSelected();
}

void PhonebookPage::OnSelectAll()
{
    m_list->selectionModel()->clearCurrentIndex();
    m_list->selectAll();
}

void PhonebookPage::OnDeselectAll()
{
    m_list->selectionModel()->clear();
}

void PhonebookPage::OnSelectDuplicates()
{
    if (!m_document.BookOpen())
        return;
    const int count = m_document.SelectDuplicates();
    if (count > 0)
        m_statusBar->ShowMessage(tr("%n duplicate entries selected.", nullptr, count));
    else
        m_statusBar->ShowMessage(tr("No duplicate entries found."));
}

void PhonebookPage::ShowSelectedEntry()
{
    const QScopedValueRollback showing(m_showing, true);
    const QList<int> rows = SelectedRows();
    if (rows.size() != 1) {
        m_nameEdit->setEnabled(false);
        m_numberEdit->setEnabled(false);
        if (rows.isEmpty()) {
            m_nameEdit->setText(QString());
            m_numberEdit->setText(QString());
        }
        return;
    }
    m_nameEdit->setEnabled(true);
    m_numberEdit->setEnabled(true);
    const PhonebookEntry& e = m_document.Model().Entry(rows.first());
    const QString name = Cp1252::ToUnicode(e.name);
    const QString number = Cp1252::ToUnicode(e.number);
    if (m_nameEdit->text() != name)
        m_nameEdit->setText(name);
    if (m_numberEdit->text() != number)
        m_numberEdit->setText(number);
}

void PhonebookPage::OnNameChanged(const QString& text)
{
    OnFieldEdited(PhonebookListModel::kNameColumn, text);
}

void PhonebookPage::OnNumberChanged(const QString& text)
{
    OnFieldEdited(PhonebookListModel::kNumberColumn, text);
}

void PhonebookPage::OnFieldEdited(int column, const QString& text)
{
    const QList<int> rows = SelectedRows();
    if (m_showing || rows.size() != 1)
        return;
    m_document.EditField(rows.first(), column, Cp1252::FromUnicodeLossy(text));
}

void PhonebookPage::OnSort(int column)
{
    m_document.Sort(column);
    UpdateSortIndicator();
}

void PhonebookPage::UpdateSortIndicator()
{
    bool descending = false;
    const int column = m_document.SortedColumn(&descending);
    m_list->header()->setSortIndicator(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void PhonebookPage::OnNewPhonebook()
{
    if (IsBusy())
        return;
    if (PromptSaveChanges(UserPrompts::Buttons::YesNoCancel) == UserPrompts::Answer::Cancel)
        return;
    m_document.NewBook();
    EndProgress();
    UpdateButtons();
}

void PhonebookPage::OnImportExport()
{
    if (IsBusy())
        return;
    ImportExportWizard wizard(this, static_cast<int>(MAX_PHONEBOOK_ENTRIES) - Model().Count());
    wizard.SetExportCounts(static_cast<int>(SelectedRows().size()), Model().Count());
    if (wizard.exec() == QDialog::Accepted)
        FinishImportExport(wizard.Choices());
}

ImportOutcome PhonebookPage::FinishImportExport(const ImportExportChoices& choices)
{
    ImportOutcome outcome;
    ContactList read;
    const PhonebookListModel& model = m_document.Model();
    if (choices.operation == ImportExportChoices::kExport) {
        std::vector<const PhonebookEntry*> entries;
        if (choices.exportScope == ImportExportChoices::kAll) {
            for (int row = 0; row < model.Count(); ++row)
                entries.push_back(&model.Entry(row));
        } else {
            for (int row : SelectedRows())
                entries.push_back(&model.Entry(row));
        }
        outcome.result = ExportContacts(choices.exportFile, entries, &outcome.failure);
        if (outcome.result == Msg::Ok)
            m_statusBar->ShowMessage(tr("Exported %n contacts to %1.", nullptr, static_cast<int>(entries.size()))
                                         .arg(QFileInfo(choices.exportFile).fileName()));
    } else {
        const auto add = [this](const std::string& name, const std::string& number) { AddEntry(name, number); };
        // The whole import is one step.
        m_document.RecordStep(tr("Import"), [&] {
            if (choices.importOptions.map.Empty() && choices.importOptions.phoneOrder.empty())
                outcome.result = Msg::NoColumnsSelected;
            else if (choices.contacts)
                outcome = AddContacts(*choices.contacts, choices.chosen, model.Count(), add);
            else
                outcome = ImportContacts(choices.importFile, choices.importOptions, model.Count(), add, &read);
        });
    }
    if (outcome.result != Msg::Ok)
        ShowWarning(this, outcome.result, outcome.failure);
    // What the import changed on the way: numbers taken from another column or rewritten,
    // names made or left out, letters dropped, a quote that never closed.
    if (outcome.result == Msg::Ok && choices.operation == ImportExportChoices::kImport) {
        const QStringList notes = ImportNotes(choices.contacts ? ChosenContacts(*choices.contacts, choices.chosen) : read);
        if (!notes.isEmpty())
            UserPrompts::Current().Ask(this, notes.join(u'\n'), UserPrompts::Buttons::Ok, UserPrompts::Icon::Information);
    }
    UpdateButtons();
    return outcome;
}

void PhonebookPage::ReportResult(Msg code, const FileFailure& failure)
{
    EndProgress();
    if (code != Msg::RefusedHandsetCanceledImage && code != Msg::Cancelled)
        ShowWarning(this, code, failure);
    UpdateButtons();
}

bool PhonebookPage::OnClose()
{
    // Yes and No only; but a Yes whose save was cancelled or failed keeps the window open, so
    // that the changes are not lost.
    if (PromptSaveChanges(UserPrompts::Buttons::YesNo) == UserPrompts::Answer::Cancel)
        return false;
    m_document.EndRecovery();
    return true;
}

UserPrompts::Answer PhonebookPage::PromptSaveChanges(UserPrompts::Buttons buttons)
{
    if (!Modified())
        return UserPrompts::Answer::No;
    const UserPrompts::Answer answer =
        UserPrompts::Current().Ask(this, SaveChangesQuestion(), buttons, UserPrompts::Icon::Warning);
    if (answer != UserPrompts::Answer::Yes)
        return answer;
    bool cancelled = false;
    // A Yes whose save was cancelled or failed must not let the changes be thrown away.
    if (SaveBookAsked(&cancelled) != Msg::Ok || cancelled)
        return UserPrompts::Answer::Cancel;
    return answer;
}

Msg PhonebookPage::SaveBook()
{
    bool cancelled = false;
    return SaveBookAsked(&cancelled);
}

Msg PhonebookPage::SaveBookAsked(bool* cancelled)
{
    *cancelled = false;
    if (!m_document.BookOpen())
        return Msg::Ok;
    QString proposed = m_document.FilePath();
    if (proposed.isEmpty())
        proposed = DefaultBookFolder();
    // The dialog adds ".opbk" before it asks about replacing a file, so it asks about the file
    // that is really written.
    const QString path = UserPrompts::Current().SaveFileName(this, proposed, QtFileFilter(kSaveFilter),
                                                             QStringLiteral("opbk"));
    if (path.isEmpty()) {
        *cancelled = true;
        return Msg::Ok;
    }

    BeginProgress(0, kSavingFile);
    FileFailure failure;
    if (const Msg m = m_document.SaveAs(path, &failure); m != Msg::Ok) {
        ReportResult(m, failure);
        return m;
    }
    EndProgress();
    m_statusBar->ShowMessage(tr("Saved to %1.").arg(QFileInfo(path).fileName()));
    return Msg::Ok;
}

void PhonebookPage::OnOpen()
{
    if (IsBusy())
        return;
    if (PromptSaveChanges(UserPrompts::Buttons::YesNoCancel) == UserPrompts::Answer::Cancel)
        return;
    const QString folder = m_document.FirstOpen() ? DefaultBookFolder() : QString();
    const QString path = UserPrompts::Current().OpenFileName(this, folder, QtFileFilter(kOpenFilter));
    if (!path.isEmpty())
        LoadOrReceive(path);
}

void PhonebookPage::LoadOrReceive(const QString& path)
{
    if (path.isEmpty() && !SupportedHandsetAttached())
        return;
    FileFailure failure;
    Msg result;
    if (!path.isEmpty()) {
        BeginProgress(0, kLoadingFile);
        result = m_document.Open(path, &failure);
    } else {
        BeginProgress(ToId(Msg::CancelingPhonebookTransfer), ToId(Msg::ReceivingPhonebook));
        result = m_document.Receive(m_progressDialog);
    }
    if (result != Msg::Ok) {
        ReportResult(result, failure);
        return;
    }
    EndProgress();
    UpdateButtons();
}

void PhonebookPage::OnReceive()
{
    if (IsBusy())
        return;
    if (PromptSaveChanges(UserPrompts::Buttons::YesNoCancel) == UserPrompts::Answer::Cancel)
        return;
    LoadOrReceive(QString());
}

void PhonebookPage::OnSend()
{
    if (IsBusy())
        return;
    const PhonebookSend& send = m_document.PrepareSend();
    if (!ConfirmSend(send))
        return;
    BeginProgress(ToId(Msg::CancelingPhonebookTransfer), ToId(Msg::SendingPhonebook));
    // With nothing complete to send, the question before has said so already.
    if (send.Count() > 0 && send.LeavesOutIncomplete() &&
        UserPrompts::Current().Ask(this, LoadString(Msg::ConfirmSkipIncomplete), UserPrompts::Buttons::YesNo,
                                   UserPrompts::Icon::Warning) != UserPrompts::Answer::Yes) {
        EndProgress();
        return;
    }
    const Msg result = m_document.Send(m_progressDialog);
    if (result == Msg::Ok) {
        EndProgress();
        m_statusBar->ShowMessage(tr("Phone book sent: %n entries.", nullptr, static_cast<int>(send.Count())));
        return;
    }
    ReportSendFailure(send, result);
}

void PhonebookPage::ReportSendFailure(const PhonebookSend& send, Msg result)
{
    if (send.BackupFailed()) {
        EndProgress();
        if (result != Msg::Cancelled && result != Msg::RefusedHandsetCanceledImage)
            UserPrompts::Current().Ask(this, BackupFailedText() + QStringLiteral("\n\n") + send.BackupFailure().Message(result),
                                       UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
        UpdateButtons();
        return;
    }
    ReportResult(result);
    if (send.Partial())
        OfferBackupBack(send);
}

void PhonebookPage::OnSync()
{
    if (IsBusy() || !m_document.BookOpen() || !m_handsetReady)
        return;
    BeginProgress(ToId(Msg::CancelingPhonebookTransfer), ToId(Msg::ReceivingPhonebook));
    if (const Msg received = m_document.BeginSync(m_progressDialog); received != Msg::Ok) {
        ReportResult(received);
        return;
    }
    EndProgress();
    PhonebookSync& sync = *m_document.PendingSync();
    if (sync.InStep()) {
        // Kept even so: a first sync that finds the books alike makes the base the next one needs.
        FileFailure failure;
        if (const Msg kept = m_document.KeepSyncBase(&failure); kept != Msg::Ok)
            ReportResult(kept, failure);
        m_statusBar->ShowMessage(tr("The handset and this phone book are already in step: nothing was changed."));
        UpdateButtons();
        return;
    }
    QString note;
    if (const int kept = static_cast<int>(sync.KeptOnComputer()); kept > 0)
        note = tr("%n entries without a name or a number stay in this phone book and are not sent.", nullptr, kept);
    SyncPreviewDialog preview(sync.Plan(), this, {}, note);
    if (preview.exec() != QDialog::Accepted) {
        UpdateButtons();
        return;
    }
    BeginProgress(ToId(Msg::CancelingPhonebookTransfer), ToId(Msg::SendingPhonebook));
    FileFailure failure;
    PhonebookDocument::SyncStage stage = PhonebookDocument::SyncStage::Send;
    const Msg result = m_document.FinishSync(m_progressDialog, &failure, &stage);
    if (result == Msg::Ok) {
        EndProgress();
        UpdateButtons();
        m_statusBar->ShowMessage(
            tr("Phone book synced: the handset holds %n entries.", nullptr, static_cast<int>(sync.Merged().Count())));
        return;
    }
    if (stage == PhonebookDocument::SyncStage::Send && sync.LastSend()) {
        ReportSendFailure(*sync.LastSend(), result);
        return;
    }
    ReportResult(result, failure);
    if (stage == PhonebookDocument::SyncStage::Save)
        UserPrompts::Current().Ask(this,
                                   tr("The handset holds the synced phone book and the list shows it, but its "
                                      "file was not saved: save it to keep it."),
                                   UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
    UpdateButtons();
}

bool PhonebookPage::ConfirmSend(const PhonebookSend& send)
{
    auto& prompts = UserPrompts::Current();
    if (send.Count() == 0) {
        // Nothing would go out, so the send only empties the handset: say how much it loses.
        BeginProgress(0, ToId(Msg::ReceivingHandsetInfo));
        const std::optional<std::size_t> holds = PhonebookDocument::ReadHandsetCount(m_progressDialog);
        EndProgress();
        if (send.EmptiesHandset(holds))
            return prompts.Ask(this, PhonebookSend::EmptySendQuestion(holds), UserPrompts::Buttons::YesNoDefaultNo,
                               UserPrompts::Icon::Warning) == UserPrompts::Answer::Yes;
    }
    return prompts.Ask(this, LoadString(Msg::ConfirmOverwriteHandset), UserPrompts::Buttons::YesNoCancel,
                       UserPrompts::Icon::Warning) == UserPrompts::Answer::Yes;
}

void PhonebookPage::OfferBackupBack(const PhonebookSend& send)
{
    const QString question = send.PartialText() + QStringLiteral("\n\n") +
                             tr("Send the phone book it had before (kept in %1) back to it?").arg(send.Backup());
    if (UserPrompts::Current().Ask(this, question, UserPrompts::Buttons::YesNo, UserPrompts::Icon::Warning) !=
        UserPrompts::Answer::Yes)
        return;
    BeginProgress(ToId(Msg::CancelingPhonebookTransfer), ToId(Msg::SendingPhonebook));
    FileFailure failure;
    const Msg result = m_document.SendBack(m_progressDialog, &failure);
    if (result != Msg::Ok)
        ReportResult(result, failure);
    else
        EndProgress();
}

void PhonebookPage::CheckHandset()
{
    m_handsetReady = SupportedHandsetAttached();
    ShowHandsetState(tr("The phone book of this handset model (0x%1) is not supported in this window; use the "
                        "dialbook command: %2"),
                     tr("dialbook pull FILE.opbk"));
    UpdateButtons();
}

void PhonebookPage::OnHandsetInfoRead(Msg result)
{
    if (result != Msg::Ok) {
        m_handsetReady = false;
        m_statusBar->SetConnected(0);
    }
}

void PhonebookPage::showEvent(QShowEvent* event)
{
    TabPage::showEvent(event);
    CheckHandset();
}
