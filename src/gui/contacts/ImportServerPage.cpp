#include "gui/contacts/ImportServerPage.h"

#include "gui/contacts/ImportExportWizard.h"
#include "gui/contacts/ImportMappingPage.h"
#include "gui/contacts/PasswordKeeper.h"
#include "gui/shell/BackgroundWork.h"
#include "gui/shell/UserPrompts.h"

#include "core/common/ProgressDisplay.h"
#include "core/contacts/DelimitedFile.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <optional>

namespace {

// The settings that bring back the last server the user read from.
constexpr auto kAddressKey = "ImportFromServer/address";
constexpr auto kUserKey = "ImportFromServer/user";
constexpr auto kRememberKey = "ImportFromServer/rememberPassword";

constexpr int kNameColumn = 0;
constexpr int kCardsColumn = 1;
constexpr int kAddressColumn = 2;
constexpr int kBookRowsShown = 6;

std::function<bool()> CancelCheck(ProgressDisplay& progress)
{
    return [&progress] { return progress.CancelEvent().IsSet(); };
}

}  // namespace

ImportServerPage::ImportServerPage(QWidget* parent) : QWizardPage(parent)
{
    setTitle(tr("Import Contacts"));
    setSubTitle(tr("Address Book on a Server"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Give the address of the server that keeps your contacts (CardDAV), or of one of "
                                "its address books, with your user name and password there. Find Address Books "
                                "lists the address books it offers."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* form = new QFormLayout;
    m_address = new QLineEdit(this);
    m_address->setPlaceholderText(QStringLiteral("https://cloud.example.org"));
    m_address->setAccessibleName(tr("Server address"));
    m_address->setInputMethodHints(Qt::ImhUrlCharactersOnly | Qt::ImhNoAutoUppercase);
    form->addRow(tr("Server &address:"), m_address);
    m_user = new QLineEdit(this);
    m_user->setAccessibleName(tr("User name"));
    m_user->setInputMethodHints(Qt::ImhNoAutoUppercase);
    form->addRow(tr("&User name:"), m_user);
    m_password = new QLineEdit(this);
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setAccessibleName(tr("Password"));
    m_password->setToolTip(tr("Left empty, the password kept in the keyring for this address and user is used."));
    form->addRow(tr("&Password:"), m_password);
    m_remember = new QCheckBox(tr("&Remember in the keyring"), this);
    m_remember->setAccessibleName(tr("Remember the password in the keyring"));
    form->addRow(QString(), m_remember);
    m_keyringNote = new QLabel(this);
    m_keyringNote->setWordWrap(true);
    m_keyringNote->setTextFormat(Qt::PlainText);
    m_keyringNote->hide();
    form->addRow(QString(), m_keyringNote);
    m_find = new QPushButton(tr("&Find Address Books"), this);
    m_find->setAccessibleName(tr("Find address books"));
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(m_find);
    findRow->addStretch();
    form->addRow(QString(), findRow);
    layout->addLayout(form);

    m_booksLabel = new QLabel(tr("Address b&ooks found:"), this);
    layout->addWidget(m_booksLabel);
    m_books = new QTreeWidget(this);
    m_books->setAccessibleName(tr("Address books found"));
    m_books->setColumnCount(3);
    m_books->setHeaderLabels({tr("Address Book"), tr("Cards"), tr("Address")});
    m_books->setRootIsDecorated(false);
    m_books->setAllColumnsShowFocus(true);
    m_books->setSelectionMode(QAbstractItemView::SingleSelection);
    m_books->header()->setStretchLastSection(true);
    m_books->header()->setSectionResizeMode(kNameColumn, QHeaderView::ResizeToContents);
    m_books->header()->setSectionResizeMode(kCardsColumn, QHeaderView::ResizeToContents);
    m_books->setMinimumHeight(m_books->fontMetrics().height() * kBookRowsShown);
    m_booksLabel->setBuddy(m_books);
    layout->addWidget(m_books, 1);

    const QSettings settings;
    m_address->setText(settings.value(QLatin1String(kAddressKey)).toString());
    m_user->setText(settings.value(QLatin1String(kUserKey)).toString());
    m_remember->setChecked(settings.value(QLatin1String(kRememberKey), false).toBool());

    for (QLineEdit* edit : {m_address, m_user, m_password})
        connect(edit, &QLineEdit::textEdited, this, &ImportServerPage::Forget);
    connect(m_find, &QPushButton::clicked, this, &ImportServerPage::FindAddressBooks);
    // A double click on an address book goes on with it, as Next does (Return does anyway: it
    // reaches the wizard's default button).
    connect(m_books, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (wizard())
            wizard()->next();
    });
    ShowBooks();
}

QUrl ImportServerPage::Address() const
{
    QString text = m_address->text().trimmed();
    // A bare host name is taken as an encrypted server's, never as a plain one's.
    if (!text.isEmpty() && !text.contains(QLatin1String("://")))
        text.prepend(QLatin1String("https://"));
    return QUrl(text, QUrl::StrictMode);
}

void ImportServerPage::initializePage()
{
    // Back with what the settings keep, the password is the one thing left to type.
    if (!m_address->text().isEmpty() && !m_user->text().isEmpty())
        QTimer::singleShot(0, m_password, [this] { m_password->setFocus(Qt::OtherFocusReason); });
}

int ImportServerPage::nextId() const
{
    return ImportExportWizard::kImportMappingPage;
}

void ImportServerPage::Forget()
{
    if (m_found.empty())
        return;
    m_found.clear();
    m_account = {};
    ShowBooks();
}

void ImportServerPage::ShowBooks()
{
    m_books->clear();
    for (const AddressBookInfo& book : m_found) {
        const QString address = book.url.toDisplayString(QUrl::RemoveUserInfo);
        auto* item = new QTreeWidgetItem(m_books, {book.name, book.cards < 0 ? tr("unknown") : QString::number(book.cards),
                                                   address});
        item->setTextAlignment(kCardsColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setToolTip(kNameColumn, book.description.isEmpty() ? address : book.description + u'\n' + address);
        item->setToolTip(kAddressColumn, address);
    }
    // One found is the one chosen; of several the user picks.
    if (m_found.size() == 1)
        m_books->setCurrentItem(m_books->topLevelItem(0));
    m_booksLabel->setEnabled(!m_found.empty());
    m_books->setEnabled(!m_found.empty());
}

int ImportServerPage::ChosenBook() const
{
    // The row the keyboard is on counts as chosen: the list shows it as current on focus, and
    // Down from there would pass over it.
    const QList<QTreeWidgetItem*> selected = m_books->selectedItems();
    QTreeWidgetItem* chosen = selected.isEmpty() ? m_books->currentItem() : selected.constFirst();
    return chosen ? m_books->indexOfTopLevelItem(chosen) : -1;
}

void ImportServerPage::Warn(const QString& text)
{
    UserPrompts::Current().Ask(this, text, UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
}

void ImportServerPage::ShowFailure(const CardDavFailure& failure)
{
    if (failure.GetKind() == CardDavFailure::Kind::Cancelled)
        return;
    Warn(failure.Message());
    QLineEdit* wrong = failure.GetKind() == CardDavFailure::Kind::WrongPassword ? m_password
                       : failure.GetKind() == CardDavFailure::Kind::BadAddress  ? m_address
                                                                                : nullptr;
    if (wrong) {
        wrong->setFocus(Qt::OtherFocusReason);
        wrong->selectAll();
    }
}

void ImportServerPage::ShowKeyringTrouble(const QString& why, bool keyringGone)
{
    if (keyringGone) {
        m_remember->setChecked(false);
        m_remember->setEnabled(false);
    }
    m_remember->setToolTip(why);
    m_remember->setAccessibleDescription(why);
    m_keyringNote->setText(why);
    m_keyringNote->show();
}

bool ImportServerPage::FindAddressBooks()
{
    if (m_address->text().trimmed().isEmpty()) {
        Warn(tr("Enter the address of the server, such as %1.").arg(QStringLiteral("https://cloud.example.org")));
        m_address->setFocus(Qt::OtherFocusReason);
        return false;
    }
    CardDavAccount account{Address(), m_user->text(), m_password->text(), {}};
    const bool remember = m_remember->isEnabled() && m_remember->isChecked();
    PasswordKeeper& keeper = PasswordKeeper::Current();
    // Left empty, the password is the keyring's, when it has one for this server and user.
    bool fromKeyring = false;
    if (account.password.isEmpty() && !account.user.isEmpty()) {
        QString kept;
        QString why;
        const PasswordKeeper::Result read = keeper.Read(account.address, account.user, kept, &why);
        if (read == PasswordKeeper::Result::Ok) {
            account.password = kept;
            fromKeyring = true;
        } else if (read == PasswordKeeper::Result::NoKeyring) {
            ShowKeyringTrouble(keeper.NoKeyringText(), true);
        } else if (read == PasswordKeeper::Result::Failed) {
            ShowKeyringTrouble(tr("The password could not be read from the keyring: %1").arg(why), false);
        }
    }
    std::optional<std::vector<AddressBookInfo>> books;
    CardDavFailure failure;
    const bool finished = RunInBackground(
        this, tr("Looking for address books at %1...").arg(account.address.host()), BackgroundCancel::Offered,
        [&](ProgressDisplay& progress) {
            CardDavClient client(account);
            client.SetCancelCheck(CancelCheck(progress));
            books = client.FindAddressBooks(true);
            failure = client.Failure();
        });
    // The user cancelled: the page stays as it was.
    if (!finished || failure.GetKind() == CardDavFailure::Kind::Cancelled)
        return false;
    if (!books) {
        ShowFailure(failure);
        return false;
    }
    // Only a password the server took is worth keeping, and only when the user asked.
    if (remember && !fromKeyring && !account.password.isEmpty()) {
        QString why;
        const PasswordKeeper::Result wrote = keeper.Write(account.address, account.user, account.password, &why);
        if (wrote == PasswordKeeper::Result::NoKeyring)
            ShowKeyringTrouble(keeper.NoKeyringText(), true);
        else if (wrote == PasswordKeeper::Result::Failed)
            ShowKeyringTrouble(tr("The password could not be kept in the keyring: %1").arg(why), false);
    }

    m_found = std::move(*books);
    m_account = account;
    QSettings settings;
    settings.setValue(QLatin1String(kAddressKey), m_address->text().trimmed());
    settings.setValue(QLatin1String(kUserKey), m_user->text());
    if (m_remember->isEnabled())
        settings.setValue(QLatin1String(kRememberKey), m_remember->isChecked());
    ShowBooks();
    m_books->setFocus(Qt::OtherFocusReason);
    return true;
}

bool ImportServerPage::validatePage()
{
    if (m_found.empty()) {
        if (!FindAddressBooks())
            return false;
        // Several just listed: the list, in front of the user now, is where to choose.
        if (m_found.size() > 1)
            return false;
    }
    if (ChosenBook() < 0) {
        Warn(tr("Choose one of the address books found."));
        m_books->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return ReadChosen();
}

bool ImportServerPage::ReadChosen()
{
    const AddressBookInfo book = m_found[static_cast<std::size_t>(ChosenBook())];
    const CardDavAccount account = m_account;
    auto table = std::make_shared<DelimitedFile>();
    CardDavFailure failure;
    const bool finished = RunInBackground(
        this, tr("Reading the address book %1...").arg(book.name), BackgroundCancel::Offered,
        [&](ProgressDisplay& progress) {
            CardDavClient client(account);
            client.SetCancelCheck(CancelCheck(progress));
            const std::optional<QByteArray> cards = client.ReadCards(book.url);
            if (!cards) {
                failure = client.Failure();
                return;
            }
            // The cards read as a vCard file of them would: an empty address book is a table
            // without columns.
            if (!cards->isEmpty() && !table->ReadBytes(*cards, book.url.toDisplayString(QUrl::RemoveUserInfo)))
                failure = CardDavFailure(CardDavFailure::Kind::BadAnswer, book.url.adjusted(QUrl::RemoveUserInfo),
                                         table->LastError());
        });
    if (!finished || failure.GetKind() == CardDavFailure::Kind::Cancelled)
        return false;
    if (failure.IsSet()) {
        ShowFailure(failure);
        return false;
    }
    if (table->HeaderCount() == 0) {
        Warn(tr("The address book \u201c%1\u201d holds no contacts.").arg(book.name));
        m_books->setFocus(Qt::OtherFocusReason);
        return false;
    }
    auto* wizard = qobject_cast<ImportExportWizard*>(this->wizard());
    return !wizard ||
           wizard->MappingPage()->LoadTable(std::move(table), book.url.toDisplayString(QUrl::RemoveUserInfo),
                                            ImportMappingPage::Origin::AddressBook);
}
