#include "gui/phonebook/PhonebookPage.h"

#include "core/phonebook/BookFolder.h"
#include "core/phonebook/PhonebookBackups.h"
#include "core/phonebook/PhonebookFile.h"
#include "core/phonebook/PhonebookSend.h"
#include "core/phonebook/PhonebookTransfer.h"
#include "core/transfer/HandsetOperation.h"
#include "core/phonebook/PhonebookRecovery.h"
#include "gui/phonebook/FieldEditCommand.h"
#include "gui/phonebook/PhoneNumberEdit.h"
#include "gui/phonebook/PhonebookHistory.h"
#include "gui/phonebook/Cp1252Validator.h"
#include "core/phonebook/PhonebookLimits.h"

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
// At most one recovery copy a second, however fast the user types.
constexpr int kRecoveryIntervalMs = 1000;
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
    m_model = new PhonebookListModel(this);
    m_list = new QTreeView(this);
    m_nameEdit = new QLineEdit(this);
    m_numberEdit = new PhoneNumberEdit(this);
    for (const ButtonPlace& place : kButtons) {
        auto* button = new PictureButton(this);
        button->setObjectName(QStringLiteral("button%1").arg(place.id));
        m_buttons[place.id] = button;
    }
    m_history = new PhonebookHistory(this);
    m_undoAction = new QAction(this);
    m_redoAction = new QAction(this);
    m_undoButton = new QToolButton(this);
    m_redoButton = new QToolButton(this);
    m_recoveryTimer.setSingleShot(true);
    m_recoveryTimer.setInterval(kRecoveryIntervalMs);
    connect(&m_recoveryTimer, &QTimer::timeout, this, &PhonebookPage::OnRecoveryTimer);
}

PhonebookPage::~PhonebookPage()
{
    // As a crash would leave it, but with the last changes in it.
    if (m_recoveryOn && m_recoveryPending)
        WriteRecoveryNow();
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
    connect(m_buttons[kOpen], &QAbstractButton::clicked, this, &PhonebookPage::OnOpen);
    connect(m_buttons[kSave], &QAbstractButton::clicked, this, &PhonebookPage::OnSave);
    connect(m_buttons[kNewPhonebook], &QAbstractButton::clicked, this, &PhonebookPage::OnNewPhonebook);
    connect(m_buttons[kNewEntry], &QAbstractButton::clicked, this, &PhonebookPage::OnNewEntry);
    connect(m_buttons[kDelete], &QAbstractButton::clicked, this, &PhonebookPage::OnDelete);
    connect(m_buttons[kSelectAll], &QAbstractButton::clicked, this, &PhonebookPage::OnSelectAll);
    connect(m_buttons[kDeselectAll], &QAbstractButton::clicked, this, &PhonebookPage::OnDeselectAll);
    connect(m_buttons[kImportExport], &QAbstractButton::clicked, this, &PhonebookPage::OnImportExport);

    m_list->setModel(m_model);
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
    connect(m_model, &QAbstractItemModel::layoutChanged, this, &PhonebookPage::UpdateSortIndicator);
    connect(m_model, &QAbstractItemModel::modelReset, this, &PhonebookPage::UpdateSortIndicator);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &PhonebookPage::UpdateSortIndicator);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &PhonebookPage::UpdateSortIndicator);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &PhonebookPage::UpdateSortIndicator);
    UpdateSortIndicator();
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &PhonebookPage::OnSelectionChanged);

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
        connect(edit, &QLineEdit::editingFinished, m_history, &PhonebookHistory::EndEditSession);
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
    // The same two in the list's context menu.
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_list->addAction(m_undoAction);
    m_list->addAction(m_redoAction);
    int x = kUndoButtonsPlace.x();
    for (QToolButton* button : {m_undoButton, m_redoButton}) {
        button->setDefaultAction(button == m_undoButton ? m_undoAction : m_redoAction);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(x, kUndoButtonsPlace.y(), kUndoButtonsPlace.height(), kUndoButtonsPlace.height());
        x += kUndoButtonsPlace.height() + 2;
    }
    connect(m_history, &PhonebookHistory::changed, this, &PhonebookPage::OnHistoryChanged);
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
    return TabPage::eventFilter(watched, event);
}

bool PhonebookPage::Modified() const
{
    return m_bookOpen && m_history->Modified(m_model->Entries());
}

void PhonebookPage::Undo()
{
    if (isEnabled())
        m_history->Undo();
}

void PhonebookPage::Redo()
{
    if (isEnabled())
        m_history->Redo();
}

BookState PhonebookPage::CurrentState() const
{
    return {m_model->Entries(), SelectedRows(), m_sortDescending, m_bookOpen, m_filePath, m_book.Identity()};
}

void PhonebookPage::RecordChange(const QString& text, BookStateCommand::Kind kind, const std::function<void()>& change)
{
    if (m_recording) {
        change();
        return;
    }
    BookState before = RunRecorded(change);
    BookState after = CurrentState();
    if (before.entries == after.entries && before.sortDescending == after.sortDescending)
        return;
    m_history->Push(new BookStateCommand(*this, *m_history, text, kind, std::move(before), std::move(after)));
}

BookState PhonebookPage::RunRecorded(const std::function<void()>& change)
{
    BookState before = CurrentState();
    const QScopedValueRollback recording(m_recording, true);
    change();
    return before;
}

void PhonebookPage::RecordNewBook(const QString& text, const std::function<void()>& change, bool neverSaved)
{
    BookState before = RunRecorded(change);
    BookState after = CurrentState();
    if (!before.bookOpen && !after.bookOpen)
        return;
    std::optional<std::vector<PhonebookEntry>> unchanged;
    if (!neverSaved)
        unchanged = PhonebookHistory::InAnyOrder(after.entries);
    m_history->Push(new BookStateCommand(*this, *m_history, text, BookStateCommand::Kind::kWholeBook,
                                         std::move(before), std::move(after), std::move(unchanged)));
}

void PhonebookPage::ApplyState(const BookState& state, bool wholeBook)
{
    const QScopedValueRollback applying(m_applying, true);
    m_model->SetEntries(state.entries);
    m_sortDescending = state.sortDescending;
    if (wholeBook) {
        m_bookOpen = state.bookOpen;
        m_filePath = state.filePath;
        m_book.Clear();
        m_book.SetIdentity(state.identity);
        ShowFilePath(m_filePath);
    }
    SelectRows(state.selectedRows);
    if (!state.selectedRows.isEmpty()) {
        const QModelIndex first = m_model->index(state.selectedRows.first(), 0);
        m_list->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
        m_list->scrollTo(first);
    }
    ShowSelectedEntry();
    UpdateButtons();
}

void PhonebookPage::ApplyField(int row, int column, const std::string& text)
{
    const QScopedValueRollback applying(m_applying, true);
    if (column == PhonebookListModel::kNameColumn)
        m_model->SetName(row, text);
    else
        m_model->SetNumber(row, text);
    if (SelectedRows() != QList<int>{row}) {
        SelectRows({row});
        m_list->selectionModel()->setCurrentIndex(m_model->index(row, 0), QItemSelectionModel::NoUpdate);
    }
    m_list->scrollTo(m_model->index(row, 0));
    ShowSelectedEntry();
}

void PhonebookPage::OnHistoryChanged()
{
    const QString undo = m_history->UndoText();
    const QString redo = m_history->RedoText();
    //: %1 is the step undone, "New Entry" say.
    m_undoAction->setText(undo.isEmpty() ? tr("Undo") : tr("Undo %1").arg(undo));
    //: %1 is the step redone, "New Entry" say.
    m_redoAction->setText(redo.isEmpty() ? tr("Redo") : tr("Redo %1").arg(redo));
    m_undoAction->setEnabled(m_history->CanUndo());
    m_redoAction->setEnabled(m_history->CanRedo());
    if (!m_recoveryOn)
        return;
    if (!Modified()) {
        m_recoveryPending = false;
        PhonebookRecovery::Remove();
    } else if (m_recoveryTimer.isActive()) {
        m_recoveryPending = true;
    } else {
        WriteRecoveryNow();
        m_recoveryTimer.start();
    }
}

void PhonebookPage::OnRecoveryTimer()
{
    if (!m_recoveryPending)
        return;
    // Never a copy of a book half loaded or half restored, nor page work inside an operation.
    if (m_recording || m_applying || IsBusy()) {
        m_recoveryTimer.start();
        return;
    }
    m_recoveryPending = false;
    if (m_recoveryOn && Modified()) {
        WriteRecoveryNow();
        m_recoveryTimer.start();
    }
}

void PhonebookPage::WriteRecoveryNow()
{
    m_recoveryPending = false;
    Phonebook copy;
    CopyRowsInto(copy);
    if (const Msg m = PhonebookRecovery::Write(copy); m != Msg::Ok)
        qWarning("The recovery copy %s could not be written.", qPrintable(PhonebookRecovery::Path()));
}

void PhonebookPage::EnableRecovery()
{
    m_recoveryOn = true;
    OnHistoryChanged();
}

bool PhonebookPage::OfferRecovery()
{
    bool restored = false;
    if (PhonebookRecovery::Exists()) {
        if (UserPrompts::Current().Ask(this, RestoreQuestion(), UserPrompts::Buttons::YesNo,
                                       UserPrompts::Icon::Question) == UserPrompts::Answer::Yes) {
            RecordNewBook(tr("Restore"), [this] {
                // In the order the window had, so that a save writes the very same file.
                if (LoadBook(PhonebookRecovery::Path(), false)) {
                    // A book with no file yet: Save asks where it goes.
                    m_filePath.clear();
                    ShowFilePath(QString());
                }
            }, true);
            restored = m_bookOpen;
        }
        // Unreadable, it would only be offered again at every start.
        if (!restored)
            PhonebookRecovery::Remove();
    }
    EnableRecovery();
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
    const auto enable = [this](int id, bool on) { m_buttons[id]->setEnabled(on); };
    enable(kOpen, true);
    enable(kNewPhonebook, true);
    enable(kReceive, m_handsetReady);
    enable(kSend, m_bookOpen && m_handsetReady);
    for (int id : {kSave, kSelectAll, kDeselectAll, kDelete, kNewEntry, kImportExport})
        enable(id, m_bookOpen);
    if (focus && focus->isEnabled())
        focus->setFocus();
}

QList<int> PhonebookPage::SelectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& i : m_list->selectionModel()->selectedRows())
        rows.append(i.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void PhonebookPage::SelectRows(const QList<int>& rows)
{
    QItemSelection selection;
    for (int row : rows)
        selection.select(m_model->index(row, 0), m_model->index(row, 1));
    m_list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

int PhonebookPage::AddEntry(const std::string& name, const std::string& number)
{
    auto entry = std::make_unique<PhonebookEntry>();
    entry->name = FitName(name);
    entry->number = FitNumber(number);
    int row = 0;
    RecordChange(tr("New Entry"), BookStateCommand::Kind::kEntries,
                 [&] { row = m_model->Append(std::move(entry)); });
    return row;
}

void PhonebookPage::OnNewEntry()
{
    if (m_model->Count() >= static_cast<int>(MAX_PHONEBOOK_ENTRIES)) {
        ShowWarning(this, ToId(Msg::MaxEntriesReached));
        return;
    }
    int row = 0;
    RecordChange(tr("New Entry"), BookStateCommand::Kind::kEntries, [&] {
        row = AddEntry({}, {});
        m_list->selectionModel()->clearCurrentIndex();
        SelectRows({row});
    });
    m_list->scrollTo(m_model->index(row, 0));
    m_nameEdit->setFocus();
}

void PhonebookPage::OnDelete()
{
    // No question: the selected rows go, as one step.
    RecordChange(tr("Delete"), BookStateCommand::Kind::kEntries, [this] {
        for (QList<int> rows = SelectedRows(); !rows.isEmpty(); rows = SelectedRows())
            m_model->Remove(rows.first());
    });
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

void PhonebookPage::OnSelectionChanged()
{
    m_history->EndEditSession();
    ShowSelectedEntry();
}

void PhonebookPage::ShowSelectedEntry()
{
    const QScopedValueRollback applying(m_applying, true);
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
    const PhonebookEntry& e = m_model->Entry(rows.first());
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
    if (m_applying || rows.size() != 1)
        return;
    const PhonebookEntry& e = m_model->Entry(rows.first());
    std::string after = Cp1252::FromUnicodeLossy(text);
    const std::string& before = column == PhonebookListModel::kNameColumn ? e.name : e.number;
    if (after == before)
        return;
    m_history->Push(
        new FieldEditCommand(*this, rows.first(), column, before, std::move(after), m_history->EditSession()));
}

void PhonebookPage::OnSort(int column)
{
    if (column != PhonebookListModel::kNameColumn && column != PhonebookListModel::kNumberColumn)
        return;
    RecordChange(tr("Sort"), BookStateCommand::Kind::kEntries, [this, column] {
        auto& descending = m_sortDescending[static_cast<std::size_t>(column)];
        descending = static_cast<std::uint8_t>(~descending);
        m_lastSortColumn = column;
        m_model->Sort(column, descending != 0);
    });
    UpdateSortIndicator();
}

void PhonebookPage::UpdateSortIndicator()
{
    const int other = m_lastSortColumn == PhonebookListModel::kNameColumn ? PhonebookListModel::kNumberColumn
                                                                         : PhonebookListModel::kNameColumn;
    for (int column : {m_lastSortColumn, other}) {
        const bool lastDescending = m_sortDescending[static_cast<std::size_t>(column)] != 0;
        for (bool descending : {lastDescending, !lastDescending}) {
            if (m_model->IsSorted(column, descending)) {
                m_list->header()->setSortIndicator(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
                return;
            }
        }
    }
    m_list->header()->setSortIndicator(-1, Qt::AscendingOrder);
}

void PhonebookPage::OnNewPhonebook()
{
    if (IsBusy())
        return;
    if (PromptSaveChanges(UserPrompts::Buttons::YesNoCancel) == UserPrompts::Answer::Cancel)
        return;
    RecordNewBook(tr("New Phonebook"), [this] {
        ClearBook();
        m_sortDescending = {0, 0};
        m_bookOpen = true;
        m_firstOpen = false;
    });
    EndProgress();
    UpdateButtons();
}

void PhonebookPage::OnImportExport()
{
    if (IsBusy())
        return;
    ImportExportWizard wizard(this, static_cast<int>(MAX_PHONEBOOK_ENTRIES) - m_model->Count());
    wizard.SetExportCounts(static_cast<int>(SelectedRows().size()), m_model->Count());
    if (wizard.exec() == QDialog::Accepted)
        FinishImportExport(wizard.Choices());
}

ImportOutcome PhonebookPage::FinishImportExport(const ImportExportChoices& choices)
{
    ImportOutcome outcome;
    ContactList read;
    if (choices.operation == ImportExportChoices::kExport) {
        std::vector<const PhonebookEntry*> entries;
        if (choices.exportScope == ImportExportChoices::kAll) {
            for (int row = 0; row < m_model->Count(); ++row)
                entries.push_back(&m_model->Entry(row));
        } else {
            for (int row : SelectedRows())
                entries.push_back(&m_model->Entry(row));
        }
        outcome.result = ExportContacts(choices.exportFile, entries, &outcome.failure);
        if (outcome.result == Msg::Ok)
            m_statusBar->ShowMessage(tr("Exported %n contacts to %1.", nullptr, static_cast<int>(entries.size()))
                                         .arg(QFileInfo(choices.exportFile).fileName()));
    } else {
        const auto add = [this](const std::string& name, const std::string& number) { AddEntry(name, number); };
        // The whole import is one step.
        RecordChange(tr("Import"), BookStateCommand::Kind::kEntries, [&] {
            if (choices.importOptions.map.Empty() && choices.importOptions.phoneOrder.empty())
                outcome.result = Msg::NoColumnsSelected;
            else if (choices.contacts)
                outcome = AddContacts(*choices.contacts, choices.chosen, m_model->Count(), add);
            else
                outcome = ImportContacts(choices.importFile, choices.importOptions, m_model->Count(), add, &read);
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

void PhonebookPage::ClearBook()
{
    const QScopedValueRollback applying(m_applying, true);
    m_book.Clear();
    m_model->Clear();
    m_nameEdit->setEnabled(false);
    m_numberEdit->setEnabled(false);
    m_nameEdit->setText(QString());
    m_numberEdit->setText(QString());
    ShowFilePath(QString());
}

void PhonebookPage::ReportResult(Msg code, bool closeBook, const FileFailure& failure)
{
    EndProgress();
    if (code != Msg::RefusedHandsetCanceledImage && code != Msg::Cancelled)
        ShowWarning(this, code, failure);
    if (closeBook) {
        ClearBook();
        m_bookOpen = false;
    }
    UpdateButtons();
}

bool PhonebookPage::OnClose()
{
    // Yes and No only; but a Yes whose save was cancelled or failed keeps the window open, so
    // that the changes are not lost.
    if (PromptSaveChanges(UserPrompts::Buttons::YesNo) == UserPrompts::Answer::Cancel)
        return false;
    if (m_recoveryOn) {
        m_recoveryOn = false;
        m_recoveryPending = false;
        m_recoveryTimer.stop();
        PhonebookRecovery::Remove();
    }
    return true;
}

QString PhonebookPage::GetBookFolder() const
{
    return DefaultBookFolder();
}

void PhonebookPage::ShowFilePath(const QString& path)
{
    ShowPathInPane(path);
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

void PhonebookPage::CopyRowsInto(Phonebook& target) const
{
    for (int row = 0; row < m_model->Count(); ++row)
        target.Append(m_model->Entry(row));
    target.SetIdentity(m_book.Identity());
}

Msg PhonebookPage::SaveBookAsked(bool* cancelled)
{
    *cancelled = false;
    if (!m_bookOpen)
        return Msg::Ok;
    QString proposed = m_filePath;
    if (proposed.isEmpty())
        proposed = GetBookFolder();
    // The dialog adds ".opbk" before it asks about replacing a file, so it asks about the file
    // that is really written.
    const QString path = UserPrompts::Current().SaveFileName(this, proposed, QtFileFilter(kSaveFilter),
                                                             QStringLiteral("opbk"));
    if (path.isEmpty()) {
        *cancelled = true;
        return Msg::Ok;
    }

    BeginProgress(0, kSavingFile);
    Phonebook copy;
    CopyRowsInto(copy);
    FileFailure failure;
    if (const Msg m = PhonebookFile::Save(path, copy, std::nullopt, &failure); m != Msg::Ok) {
        ReportResult(m, false, failure);
        return m;
    }
    EndProgress();
    m_filePath = QFileInfo(path).absoluteFilePath();
    ShowFilePath(m_filePath);
    m_history->MarkUnchanged(m_model->Entries());
    m_statusBar->ShowMessage(tr("Saved to %1.").arg(QFileInfo(path).fileName()));
    return Msg::Ok;
}

void PhonebookPage::OnOpen()
{
    if (IsBusy())
        return;
    if (PromptSaveChanges(UserPrompts::Buttons::YesNoCancel) == UserPrompts::Answer::Cancel)
        return;
    const QString folder = m_firstOpen ? GetBookFolder() : QString();
    const QString path = UserPrompts::Current().OpenFileName(this, folder, QtFileFilter(kOpenFilter));
    if (!path.isEmpty())
        LoadOrReceive(path);
}

void PhonebookPage::LoadOrReceive(const QString& path)
{
    if (path.isEmpty() && !SupportedHandsetAttached())
        return;
    RecordNewBook(path.isEmpty() ? tr("Get Phonebook") : tr("Open"), [this, &path] { LoadBook(path); });
}

bool PhonebookPage::LoadBook(const QString& path, bool sortByName)
{
    ClearBook();
    Msg result;
    FileFailure failure;
    if (!path.isEmpty()) {
        BeginProgress(0, kLoadingFile);
        result = PhonebookFile::Load(path, m_book, &failure);
    } else {
        BeginProgress(ToId(Msg::CancelingPhonebookTransfer), ToId(Msg::ReceivingPhonebook));
        PhonebookTransfer transfer;
        transfer.SetProgressDialog(&m_progressDialog);
        // Into a book of the operation's own: the page's is touched on the window's thread only.
        Phonebook received;
        result = HandsetOperation::Run(m_progressDialog, [&] { return transfer.ReceivePhonebook(received); });
        m_book = std::move(received);
    }
    if (result != Msg::Ok) {
        ReportResult(result, true, failure);
        return false;
    }
    m_filePath = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    ShowFilePath(m_filePath);
    for (std::size_t i = 0; i < m_book.Count(); ++i) {
        auto copy = std::make_unique<PhonebookEntry>();
        m_book.CopyEntry(i, *copy);
        m_model->Append(std::move(copy));
    }
    m_sortDescending = {0, 0};
    m_lastSortColumn = PhonebookListModel::kNameColumn;
    if (sortByName)
        m_model->Sort(PhonebookListModel::kNameColumn, false);
    if (m_model->Count() > 0) {
        SelectRows({0});
        m_list->setCurrentIndex(m_model->index(0, 0));
    }
    EndProgress();
    m_bookOpen = true;
    m_firstOpen = false;
    UpdateButtons();
    return true;
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
    Phonebook rows;
    CopyRowsInto(rows);
    PhonebookSend send(rows);
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
    const Msg result = send.Run(m_progressDialog, true);
    if (result == Msg::Ok) {
        EndProgress();
        m_statusBar->ShowMessage(tr("Phone book sent: %n entries.", nullptr, static_cast<int>(send.Count())));
        return;
    }
    if (send.BackupFailed()) {
        EndProgress();
        if (result != Msg::Cancelled && result != Msg::RefusedHandsetCanceledImage)
            UserPrompts::Current().Ask(this, BackupFailedText() + QStringLiteral("\n\n") + send.BackupFailure().Message(result),
                                       UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
        UpdateButtons();
        return;
    }
    ReportResult(result, false);
    if (send.Partial())
        OfferBackupBack(send);
}

bool PhonebookPage::ConfirmSend(const PhonebookSend& send)
{
    auto& prompts = UserPrompts::Current();
    if (send.Count() == 0) {
        // Nothing would go out, so the send only empties the handset: say how much it loses.
        BeginProgress(0, ToId(Msg::ReceivingHandsetInfo));
        const std::optional<std::size_t> holds = PhonebookSend::ReadHandsetCount(m_progressDialog);
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
    const Msg result = PhonebookSend::SendBack(m_progressDialog, send.Backup(), &failure);
    if (result != Msg::Ok)
        ReportResult(result, false, failure);
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
