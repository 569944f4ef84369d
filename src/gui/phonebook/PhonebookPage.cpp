#include "gui/phonebook/PhonebookPage.h"

#include "core/phonebook/BookFolder.h"
#include "core/phonebook/PhonebookBackups.h"
#include "gui/phonebook/PhoneNumberEdit.h"
#include "core/phonebook/Cp1252Validator.h"
#include "core/phonebook/PhonebookLimits.h"

#include "gui/contacts/ImportExportWizard.h"
#include "gui/shell/PictureButton.h"
#include "core/contacts/ExportContacts.h"
#include "gui/shell/WelcomePage.h"
#include "gui/shell/PictureIds.h"
#include "core/common/Cp1252.h"
#include "core/common/StringTable.h"

#include <QApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTreeView>

namespace {

constexpr std::uint32_t kSaveFilter = 191;
constexpr std::uint32_t kOpenFilter = 192;
constexpr std::uint32_t kLoadingFile = 371;
constexpr std::uint32_t kSavingFile = 372;
constexpr std::uint32_t kWebLinkTip = 269;

struct ButtonPlace {
    int id;
    QRect place;
    int in, out, disabled;
    std::uint32_t tip;
};

// Where each button goes, its pictures and its tool tip.
const ButtonPlace kButtons[] = {
    {PhonebookPage::kOpen, {170, 48, 105, 18}, picture::kOpenIn, picture::kOpenOut, picture::kOpenDisabled, 270},
    {PhonebookPage::kSave, {285, 48, 105, 18}, picture::kSaveIn, picture::kSaveOut, picture::kSaveDisabled, 271},
    {PhonebookPage::kNewPhonebook, {400, 48, 117, 18}, picture::kNewBookIn, picture::kNewBookOut,
     picture::kNewBookDisabled, 272},
    {PhonebookPage::kReceive, {64, 68, 32, 31}, picture::kReceiveIn, picture::kReceiveOut, picture::kReceiveDisabled,
     273},
    {PhonebookPage::kSend, {96, 68, 34, 31}, picture::kSendIn, picture::kSendOut, picture::kSendDisabled, 274},
    {PhonebookPage::kImportExport, {96, 106, 34, 33}, picture::kImportExportIn, picture::kImportExportOut,
     picture::kImportExportDisabled, 279},
    {PhonebookPage::kNewEntry, {96, 144, 34, 32}, picture::kNewEntryIn, picture::kNewEntryOut,
     picture::kNewEntryDisabled, 278},
    {PhonebookPage::kSelectAll, {170, 350, 105, 19}, picture::kSelectAllIn, picture::kSelectAllOut,
     picture::kSelectAllDisabled, 275},
    {PhonebookPage::kDeselectAll, {285, 350, 105, 19}, picture::kDeselectAllIn, picture::kDeselectAllOut,
     picture::kDeselectAllDisabled, 276},
    {PhonebookPage::kDelete, {435, 350, 182, 19}, picture::kDeleteIn, picture::kDeleteOut, picture::kDeleteDisabled,
     277},
    {PhonebookPage::kWebLink, {200, 390, 387, 33}, picture::kWebLinkIn, picture::kWebLinkOut, 0, kWebLinkTip},
};

}  // namespace

const QString PhonebookPage::kSaveChangesQuestion = QStringLiteral("Save changes to current phonebook loaded?");
const QString PhonebookPage::kBackupFailedText =
    QStringLiteral("The handset's phone book could not be kept before the send, so nothing was sent.");

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
}

void PhonebookPage::OnInitDialog()
{
    TabPage::OnInitDialog();
    for (const ButtonPlace& place : kButtons) {
        SetUpButton(m_buttons[place.id], place.place, place.in, place.out, place.disabled, place.tip,
                    place.id == kWebLink);
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
    m_list->header()->setSortIndicatorShown(false);
    m_list->header()->setStretchLastSection(false);
    // Half the list each; inside its frame, so that no horizontal scroll bar appears.
    const int half = (m_list->width() - 2 * m_list->frameWidth()) / 2;
    m_list->setColumnWidth(0, half);
    m_list->setColumnWidth(1, half);
    connect(m_list->header(), &QHeaderView::sectionClicked, this, &PhonebookPage::OnSort);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &PhonebookPage::OnSelectionChanged);

    m_nameEdit->setGeometry(255, 82, 300, 23);
    m_numberEdit->setGeometry(255, 112, 300, 23);
    m_nameEdit->setMaxLength(static_cast<int>(MAX_NAME_LENGTH));
    m_numberEdit->setMaxLength(static_cast<int>(MAX_NUMBER_LENGTH));
    m_nameEdit->setValidator(new Cp1252Validator(m_nameEdit));
    m_nameEdit->setEnabled(false);
    m_numberEdit->setEnabled(false);
    connect(m_nameEdit, &QLineEdit::textChanged, this, &PhonebookPage::OnNameChanged);
    connect(m_numberEdit, &QLineEdit::textChanged, this, &PhonebookPage::OnNumberChanged);
    UpdateButtons();
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
    entry->name = name.substr(0, MAX_NAME_LENGTH);
    entry->number = number.substr(0, MAX_NUMBER_LENGTH);
    const int row = m_model->Append(std::move(entry));
    m_modified = true;
    return row;
}

void PhonebookPage::OnNewEntry()
{
    if (m_model->Count() >= static_cast<int>(MAX_PHONEBOOK_ENTRIES)) {
        ShowWarning(this, ToId(Msg::MaxEntriesReached));
        return;
    }
    const int row = AddEntry({}, {});
    m_list->selectionModel()->clearCurrentIndex();
    SelectRows({row});
    m_list->scrollTo(m_model->index(row, 0));
    m_nameEdit->setFocus();
    m_nameEdit->setText(QString());
    m_numberEdit->setText(QString());
}

void PhonebookPage::OnDelete()
{
    // No question: the selected rows go, each marking the book changed.
    for (QList<int> rows = SelectedRows(); !rows.isEmpty(); rows = SelectedRows()) {
        m_model->Remove(rows.first());
        m_modified = true;
    }
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
    const QList<int> rows = SelectedRows();
    if (!rows.isEmpty() && m_model->SetName(rows.first(), Cp1252::FromUnicodeLossy(text)))
        m_modified = true;
}

void PhonebookPage::OnNumberChanged(const QString& text)
{
    const QList<int> rows = SelectedRows();
    if (!rows.isEmpty() && m_model->SetNumber(rows.first(), Cp1252::FromUnicodeLossy(text)))
        m_modified = true;
}

void PhonebookPage::OnSort(int column)
{
    if (column != PhonebookListModel::kNameColumn && column != PhonebookListModel::kNumberColumn)
        return;
    auto& descending = m_sortDescending[static_cast<std::size_t>(column)];
    descending = static_cast<std::uint8_t>(~descending);
    m_model->Sort(column, descending != 0);
}

void PhonebookPage::OnNewPhonebook()
{
    if (PromptSaveChanges(UserPrompts::Buttons::YesNoCancel) == UserPrompts::Answer::Cancel)
        return;
    ClearBook();
    m_sortDescending = {0, 0};
    m_bookOpen = true;
    m_firstOpen = false;
    m_modified = false;
    EndProgress();
    UpdateButtons();
}

void PhonebookPage::OnImportExport()
{
    ImportExportWizard wizard(this);
    if (wizard.exec() == QDialog::Accepted)
        FinishImportExport(wizard.Choices());
}

ImportOutcome PhonebookPage::FinishImportExport(const ImportExportChoices& choices)
{
    ImportOutcome outcome;
    if (choices.operation == ImportExportChoices::kExport) {
        std::vector<const PhonebookEntry*> entries;
        if (choices.exportScope == ImportExportChoices::kAll) {
            for (int row = 0; row < m_model->Count(); ++row)
                entries.push_back(&m_model->Entry(row));
        } else {
            for (int row : SelectedRows())
                entries.push_back(&m_model->Entry(row));
        }
        outcome.result = ExportContacts(choices.exportFile, entries);
    } else {
        outcome = ImportContacts(choices.importFile, choices.map, m_model->Count(),
                                 [this](const std::string& name, const std::string& number) { AddEntry(name, number); });
    }
    if (outcome.result != Msg::Ok)
        ShowWarning(this, ToId(outcome.result));
    if (outcome.droppedCharacters > 0)
        UserPrompts::Current().Ask(this, DroppedCharactersText(outcome.droppedCharacters), UserPrompts::Buttons::Ok,
                                   UserPrompts::Icon::Information);
    UpdateButtons();
    return outcome;
}

void PhonebookPage::ClearBook()
{
    m_book.Clear();
    m_model->Clear();
    m_nameEdit->setEnabled(false);
    m_numberEdit->setEnabled(false);
    m_nameEdit->setText(QString());
    m_numberEdit->setText(QString());
    ShowFilePath(QString());
}

void PhonebookPage::ReportResult(Msg code, bool closeBook)
{
    EndProgress();
    if (code != Msg::RefusedHandsetCanceledImage && code != Msg::Cancelled)
        ShowWarning(this, ToId(code));
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
    return PromptSaveChanges(UserPrompts::Buttons::YesNo) != UserPrompts::Answer::Cancel;
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
    if (!m_bookOpen || !m_modified)
        return UserPrompts::Answer::No;
    const UserPrompts::Answer answer =
        UserPrompts::Current().Ask(this, kSaveChangesQuestion, buttons, UserPrompts::Icon::Warning);
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

void PhonebookPage::CopyRowsInto(PhonebookTransfer& target, bool completeOnly, bool* leftOut) const
{
    for (int row = 0; row < m_model->Count(); ++row) {
        const PhonebookEntry& e = m_model->Entry(row);
        if (completeOnly && (e.name.empty() || e.number.empty())) {
            if (leftOut)
                *leftOut = true;
            continue;
        }
        target.Append(std::make_unique<PhonebookEntry>(e));
    }
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
    PhonebookTransfer copy;
    CopyRowsInto(copy, false, nullptr);
    copy.SetProgressDialog(&m_progressDialog);
    if (const Msg m = copy.SaveToFile(path); m != Msg::Ok) {
        ReportResult(m, false);
        return m;
    }
    EndProgress();
    m_modified = false;
    m_filePath = QFileInfo(path).absoluteFilePath();
    ShowFilePath(m_filePath);
    return Msg::Ok;
}

void PhonebookPage::OnOpen()
{
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
    ClearBook();
    Msg result;
    if (!path.isEmpty()) {
        BeginProgress(0, kLoadingFile);
        m_book.SetProgressDialog(&m_progressDialog);
        result = m_book.LoadFromFile(path);
    } else {
        BeginProgress(ToId(Msg::CancelingPhonebookTransfer), ToId(Msg::ReceivingPhonebook));
        m_book.SetProgressDialog(&m_progressDialog);
        result = m_book.ReceivePhonebook();
    }
    if (result != Msg::Ok) {
        ReportResult(result, true);
        return;
    }
    m_filePath = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    ShowFilePath(m_filePath);
    for (std::size_t i = 0; i < m_book.Count(); ++i) {
        auto copy = std::make_unique<PhonebookEntry>();
        m_book.CopyEntry(i, *copy);
        m_model->Append(std::move(copy));
    }
    m_sortDescending = {0, 0};
    m_model->Sort(PhonebookListModel::kNameColumn, false);
    if (m_model->Count() > 0) {
        SelectRows({0});
        m_list->setCurrentIndex(m_model->index(0, 0));
    }
    EndProgress();
    m_bookOpen = true;
    m_firstOpen = false;
    m_modified = false;
    UpdateButtons();
}

void PhonebookPage::OnReceive()
{
    if (PromptSaveChanges(UserPrompts::Buttons::YesNoCancel) == UserPrompts::Answer::Cancel)
        return;
    LoadOrReceive(QString());
}

void PhonebookPage::OnSend()
{
    if (UserPrompts::Current().Ask(this, LoadString(Msg::ConfirmOverwriteHandset), UserPrompts::Buttons::YesNoCancel,
                                   UserPrompts::Icon::Warning) != UserPrompts::Answer::Yes)
        return;
    BeginProgress(ToId(Msg::CancelingPhonebookTransfer), ToId(Msg::SendingPhonebook));
    PhonebookTransfer outgoing;
    bool leftOut = false;
    CopyRowsInto(outgoing, true, &leftOut);
    if (leftOut && UserPrompts::Current().Ask(this, LoadString(Msg::ConfirmSkipIncomplete), UserPrompts::Buttons::YesNo,
                                              UserPrompts::Icon::Warning) != UserPrompts::Answer::Yes) {
        EndProgress();
        return;
    }
    // A send replaces the handset's whole book: first keep the one it has. Without that copy
    // nothing is sent. A book too large to send is refused before the copy is made.
    if (outgoing.Count() > MAX_PHONEBOOK_ENTRIES) {
        ReportResult(Msg::MaxEntriesReached, false);
        return;
    }
    QString backup;
    if (const Msg kept = PhonebookBackups::Make(&m_progressDialog, &backup); kept != Msg::Ok) {
        EndProgress();
        if (kept != Msg::Cancelled && kept != Msg::RefusedHandsetCanceledImage)
            UserPrompts::Current().Ask(this, kBackupFailedText + QStringLiteral("\n\n") + LoadString(kept),
                                       UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
        UpdateButtons();
        return;
    }
    outgoing.SetProgressDialog(&m_progressDialog);
    const Msg result = outgoing.SendPhonebook();
    if (result == Msg::Ok) {
        EndProgress();
        return;
    }
    ReportResult(result, false);
    if (outgoing.HandsetCleared())
        OfferBackupBack(backup, outgoing.EntriesSent(), outgoing.Count());
}

void PhonebookPage::OfferBackupBack(const QString& backup, std::size_t sent, std::size_t total)
{
    const QString question = PhonebookBackups::PartialSendText(sent, total) + QStringLiteral("\n\n") +
                             QStringLiteral("Send the phone book it had before (kept in %1) back to it?").arg(backup);
    if (UserPrompts::Current().Ask(this, question, UserPrompts::Buttons::YesNo, UserPrompts::Icon::Warning) !=
        UserPrompts::Answer::Yes)
        return;
    PhonebookTransfer previous;
    Msg result = previous.LoadFromFile(backup);
    if (result == Msg::Ok) {
        BeginProgress(ToId(Msg::CancelingPhonebookTransfer), ToId(Msg::SendingPhonebook));
        previous.SetProgressDialog(&m_progressDialog);
        result = previous.SendPhonebook();
    }
    if (result != Msg::Ok)
        ReportResult(result, false);
    else
        EndProgress();
}

void PhonebookPage::CheckHandset()
{
    m_handsetReady = SupportedHandsetAttached();
    m_statusBar->SetConnected(m_handsetReady ? 1 : 0);
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
