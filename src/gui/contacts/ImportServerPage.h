#pragma once

#include "core/contacts/CardDavClient.h"

#include <QUrl>
#include <QWizardPage>

#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// Import: from which address book on a CardDAV server. The user gives the server's address,
// the user name and the password, and Find Address Books lists the address books there with
// their cards counted; Next reads the chosen one's cards and hands them to the mapping page as
// a file's are. Everything that waits for the network runs on a worker under the progress
// window, which can cancel it; a failure is told and keeps the page as it was. The keyring is
// asked on the window's thread, as it wants to be.
//
// The address and user name are kept in the settings once the server took them. The password
// never is: with "Remember in the keyring" ticked it goes to the keyring, once the server has
// taken it, and an empty password field reads it from there.
class ImportServerPage : public QWizardPage {
    Q_OBJECT
public:
    explicit ImportServerPage(QWidget* parent = nullptr);

    // The server's address as typed, with https:// in front when it has no scheme of its own.
    QUrl Address() const;
    // Looks for the address books and lists them. False, after telling the user, when none
    // could be listed.
    bool FindAddressBooks();
    // The address books listed, in the list's order.
    const std::vector<AddressBookInfo>& Found() const { return m_found; }
    // The address book chosen in the list; -1 when none is.
    int ChosenBook() const;

    void initializePage() override;
    // Finds the address books if need be, then reads the chosen one's cards into the mapping
    // page.
    bool validatePage() override;
    int nextId() const override;

    QLineEdit* AddressEdit() const { return m_address; }
    QLineEdit* UserEdit() const { return m_user; }
    QLineEdit* PasswordEdit() const { return m_password; }
    QCheckBox* RememberBox() const { return m_remember; }
    QLabel* KeyringNote() const { return m_keyringNote; }
    QPushButton* FindButton() const { return m_find; }
    QTreeWidget* BookList() const { return m_books; }

private:
    // What was typed changed: the address books listed may not be there for it.
    void Forget();
    void ShowBooks();
    // The keyring could not read or keep the password: the box says why; with no keyring at
    // all it stays off.
    void ShowKeyringTrouble(const QString& why, bool keyringGone);
    void Warn(const QString& text);
    // Tells the user why the server could not be read, unless the user cancelled.
    void ShowFailure(const CardDavFailure& failure);
    // Reads the address book's cards; the mapping page takes them.
    bool ReadChosen();

    QLineEdit* m_address = nullptr;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    QCheckBox* m_remember = nullptr;
    QLabel* m_keyringNote = nullptr;
    QPushButton* m_find = nullptr;
    QLabel* m_booksLabel = nullptr;
    QTreeWidget* m_books = nullptr;
    std::vector<AddressBookInfo> m_found;
    // The account the address books were found with, its password the one the server took
    // (typed, or from the keyring).
    CardDavAccount m_account;
};
