// The import wizard reading an address book on a CardDAV server: driven from the keyboard
// against a real Radicale, and a search that is cancelled or finds no CardDAV server.

#include "support/CardDavServer.h"
#include "support/KeptPasswords.h"
#include "support/LoopbackStandIn.h"
#include "support/NoKeyringSession.h"
#include "support/ScriptedPrompts.h"

#include "gui/contacts/ContactChoiceModel.h"
#include "gui/contacts/ImportExportWizard.h"
#include "gui/contacts/ImportFilePage.h"
#include "gui/contacts/ImportMappingPage.h"
#include "gui/contacts/ImportServerPage.h"
#include "gui/phonebook/PhonebookPage.h"
#include "gui/shell/PictureIds.h"

#include "core/common/Cp1252.h"
#include "core/common/Keyring.h"
#include "core/contacts/CardDavFailure.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

using W = ImportExportWizard;

const QString kCards = QStringLiteral(DIALBOOK_TEST_DATA "/server-cards.vcf");

// A key pressed where the keyboard focus is, as the user presses it.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << "nothing has the keyboard focus";
    QTest::keyClick(focus, key, modifiers);
}

void Type(const QString& text)
{
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << "nothing has the keyboard focus";
    QTest::keyClicks(focus, text);
}

// The window comes up and takes the keyboard, as after the progress window went away.
void Activate(QWidget& window)
{
    window.show();
    if (QApplication::activeWindow() == &window)
        return;
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

QStringList BookNames(PhonebookPage& page)
{
    QStringList names;
    for (int row = 0; row < page.Model().Count(); ++row)
        names.append(Cp1252::ToUnicode(page.Model().Entry(row).name));
    names.sort();
    return names;
}

class ServerImport : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The tests share one program's settings; each starts without any.
        if (QCoreApplication::organizationName().isEmpty())
            QCoreApplication::setOrganizationName(QStringLiteral("Orvak"));
        QSettings().clear();
    }

    ScriptedPrompts prompts;
};

TEST_F(ServerImport, FromTheKeyboardTheChosenAddressBooksCardsComeInAsAFilesWould)
{
    if (!CardDavServer::IsInstalled(CardDavServer::Kind::Radicale))
        GTEST_SKIP() << "radicale is not installed (scripts/install-deps installs it)";
    CardDavServer server;
    ASSERT_TRUE(server.Start(CardDavServer::Kind::Radicale)) << server.Log().toStdString();
    ASSERT_TRUE(server.AddAddressBook(QStringLiteral("Family")));
    ASSERT_TRUE(server.PutCardsOfFile(QStringLiteral("Family"), kCards)) << server.Log().toStdString();
    ASSERT_TRUE(server.AddAddressBook(QStringLiteral("Work")));
    ASSERT_TRUE(server.PutCardsOfFile(QStringLiteral("Work"), kCards,
                                      {QStringLiteral("jonas-orsted"), QStringLiteral("acme-plumbing")}));
    const QString address = server.BaseUrl().toString();
    KeptPasswords keyring;

    PhonebookPage book;
    book.SetBackgroundBitmapId(picture::kPhonebookBackground);
    book.SetUpUi();
    book.OnNewPhonebook();
    book.AddEntry("Anna Berg", "555 0101");

    // Room for three: more cards than fit, so the category has to choose.
    ImportExportWizard w(nullptr, 3);
    Activate(w);
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);
    ASSERT_EQ(w.currentId(), W::kImportFilePage);
    // Alt+F lands on the choice made, the arrow key changes it; the file's line goes grey.
    Press(Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), w.FilePage()->FileChoice());
    Press(Qt::Key_Down);
    EXPECT_TRUE(w.FilePage()->ServerChoice()->isChecked());
    EXPECT_FALSE(w.FilePage()->FileEdit()->isEnabled());
    Press(Qt::Key_Return);
    ASSERT_EQ(w.currentId(), W::kImportServerPage);
    ImportServerPage* page = w.ServerPage();
    EXPECT_EQ(QApplication::focusWidget(), page->AddressEdit());
    EXPECT_EQ(page->PasswordEdit()->echoMode(), QLineEdit::Password);

    // A wrong password: the server's refusal is told, nothing is kept, the password is to retype.
    Type(address);
    Press(Qt::Key_Tab);
    Type(server.User());
    Press(Qt::Key_Tab);
    Type(QStringLiteral("not-her-password"));
    Press(Qt::Key_Tab);
    Press(Qt::Key_Space);
    EXPECT_TRUE(page->RememberBox()->isChecked());
    Press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), page->FindButton());
    Press(Qt::Key_Return);
    Activate(w);
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0], CardDavFailure(CardDavFailure::Kind::WrongPassword, server.BaseUrl()).Message());
    EXPECT_EQ(QApplication::focusWidget(), page->PasswordEdit());
    EXPECT_EQ(page->BookList()->topLevelItemCount(), 0);
    EXPECT_TRUE(keyring.Kept(server.BaseUrl(), server.User()).isEmpty());
    EXPECT_FALSE(QSettings().contains(QStringLiteral("ImportFromServer/address")));
    EXPECT_EQ(w.currentId(), W::kImportServerPage);

    // The right one (typed over the wrong, which is selected): both address books, counted.
    Type(server.Password());
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Return);
    Activate(w);
    ASSERT_EQ(prompts.asked.size(), 1) << prompts.asked.last().toStdString();
    ASSERT_EQ(page->BookList()->topLevelItemCount(), 2);
    QMap<QString, QString> counts;
    for (int row = 0; row < 2; ++row)
        counts.insert(page->BookList()->topLevelItem(row)->text(0), page->BookList()->topLevelItem(row)->text(1));
    EXPECT_EQ(counts, (QMap<QString, QString>{{"Family", "8"}, {"Work", "2"}}));
    EXPECT_EQ(QApplication::focusWidget(), page->BookList());
    EXPECT_EQ(keyring.Kept(server.BaseUrl(), server.User()), server.Password());
    EXPECT_EQ(QSettings().value(QStringLiteral("ImportFromServer/address")).toString(), address);
    EXPECT_EQ(QSettings().value(QStringLiteral("ImportFromServer/user")).toString(), server.User());
    QSettings().sync();
    QFile settingsFile(QSettings().fileName());
    ASSERT_TRUE(settingsFile.open(QIODevice::ReadOnly));
    EXPECT_FALSE(settingsFile.readAll().contains(server.Password().toUtf8())) << "the password stays out";

    // Two found, in the order of their names: the row the keyboard is on is the one chosen, so
    // Down does not pass over the first. Typing a name goes to it; Next reads it.
    ASSERT_EQ(page->BookList()->topLevelItem(0)->text(0), QStringLiteral("Family"));
    EXPECT_EQ(page->ChosenBook(), 0);
    Press(Qt::Key_Down);
    EXPECT_EQ(page->ChosenBook(), 1);
    Type(QStringLiteral("Family"));
    ASSERT_EQ(page->ChosenBook(), page->BookList()->indexOfTopLevelItem(page->BookList()->currentItem()));
    ASSERT_EQ(page->BookList()->currentItem()->text(0), QStringLiteral("Family"));
    Press(Qt::Key_Return);
    Activate(w);
    ASSERT_EQ(w.currentId(), W::kImportMappingPage) << prompts.asked.join(u'\n').toStdString();
    EXPECT_EQ(prompts.asked.size(), 1);

    // The mapping page as for a file: the guess, the count, the category that chooses.
    ImportMappingPage* mapping = w.MappingPage();
    EXPECT_GT(mapping->List()->topLevelItemCount(), 2);
    EXPECT_TRUE(mapping->CountText()->text().startsWith(
        QStringLiteral("The address book holds 8 contacts; the book has room for 3.")))
        << mapping->CountText()->text().toStdString();
    EXPECT_FALSE(w.button(QWizard::FinishButton)->isEnabled());
    Press(Qt::Key_A, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), mapping->CategoryBox());
    Type(QStringLiteral("Family"));
    EXPECT_EQ(mapping->CategoryBox()->currentText(), QStringLiteral("Family"));
    EXPECT_EQ(mapping->ContactModel()->Selection().ChosenCount(), 3);
    ASSERT_TRUE(w.button(QWizard::FinishButton)->isEnabled());
    Press(Qt::Key_Return);
    ASSERT_EQ(w.result(), QDialog::Accepted);

    const ImportExportChoices choices = w.Choices();
    EXPECT_TRUE(choices.importFile.isEmpty());
    EXPECT_EQ(book.FinishImportExport(choices).added, 3);
    EXPECT_EQ(BookNames(book), QStringList({QStringLiteral("Anna Berg"), QStringLiteral("Maja Lindqvist"),
                                            QStringLiteral("Paulina Wisniews"), QStringLiteral("Zoë Okonkwo-Brad")}));
    EXPECT_TRUE(book.Modified());
    // What the import changed on the way is said as for a file.
    EXPECT_TRUE(prompts.asked.last().contains(QStringLiteral("rewritten"))) << prompts.asked.last().toStdString();
    const qsizetype asked = prompts.asked.size();

    // Next time the address and user are there, and the keyring has the password: Next alone
    // finds the address books.
    ImportExportWizard again;
    Activate(again);
    again.next();
    again.next();
    again.FilePage()->SetFromServer(true);
    again.next();
    ASSERT_EQ(again.currentId(), W::kImportServerPage);
    QCoreApplication::processEvents();
    ImportServerPage* next = again.ServerPage();
    EXPECT_EQ(next->AddressEdit()->text(), address);
    EXPECT_EQ(next->UserEdit()->text(), server.User());
    EXPECT_TRUE(next->PasswordEdit()->text().isEmpty());
    EXPECT_TRUE(next->RememberBox()->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), next->PasswordEdit());
    const int readsBefore = keyring.Reads();
    Press(Qt::Key_Return);
    Activate(again);
    EXPECT_EQ(keyring.Reads(), readsBefore + 1);
    EXPECT_EQ(next->BookList()->topLevelItemCount(), 2);
    EXPECT_EQ(prompts.asked.size(), asked) << prompts.asked.last().toStdString();
    EXPECT_EQ(again.currentId(), W::kImportServerPage);
    again.reject();
}

TEST_F(ServerImport, ACancelledSearchChangesNothingAndWithoutAKeyringTheBoxSaysWhy)
{
    // The desktop's own keyring, in a session that has none.
    const NoKeyringSession session;
    const auto silent = LoopbackStandIn::Silent();
    ImportExportWizard w;
    Activate(w);
    w.next();
    w.next();
    w.FilePage()->SetFromServer(true);
    w.next();
    ASSERT_EQ(w.currentId(), W::kImportServerPage);
    ImportServerPage* page = w.ServerPage();
    Type(silent->BaseUrl().toString());
    Press(Qt::Key_Tab);
    Type(QStringLiteral("ana"));
    Press(Qt::Key_Tab);
    Type(QStringLiteral("pw"));
    Press(Qt::Key_Tab);
    Press(Qt::Key_Space);

    // The server says nothing; Escape on the progress window, as soon as it shows, stops the
    // search.
    bool escaped = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* status = qobject_cast<QDialog*>(top);
            if (status && status->isVisible() && status->windowTitle() == QStringLiteral("Status")) {
                EXPECT_FALSE(w.isEnabled()) << "the wizard takes no second Next meanwhile";
                QTest::keyClick(status, Qt::Key_Escape);
                escaped = true;
                watch.stop();
            }
        }
    });
    watch.start(10);
    Press(Qt::Key_Return);
    watch.stop();
    Activate(w);
    EXPECT_TRUE(escaped);
    EXPECT_TRUE(prompts.asked.isEmpty()) << prompts.asked.join(u'\n').toStdString();
    EXPECT_EQ(w.currentId(), W::kImportServerPage);
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(page->AddressEdit()->text(), silent->BaseUrl().toString());
    EXPECT_EQ(page->PasswordEdit()->text(), QStringLiteral("pw"));
    EXPECT_TRUE(page->RememberBox()->isChecked());
    EXPECT_TRUE(page->RememberBox()->isEnabled());
    EXPECT_EQ(page->BookList()->topLevelItemCount(), 0);
    EXPECT_FALSE(QSettings().contains(QStringLiteral("ImportFromServer/address")));
    EXPECT_EQ(w.MappingPage()->List()->topLevelItemCount(), 0);

    // A web server that knows no CardDAV, the password left to a keyring that is not there:
    // the box says why it cannot remember, the warning why nothing was found.
    const auto web = LoopbackStandIn::Canned(
        "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 13\r\nConnection: close\r\n\r\n<html></html>");
    page->AddressEdit()->setFocus(Qt::ShortcutFocusReason);
    Press(Qt::Key_A, Qt::ControlModifier);
    Type(web->BaseUrl().toString());
    Press(Qt::Key_P, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), page->PasswordEdit());
    Press(Qt::Key_A, Qt::ControlModifier);
    Press(Qt::Key_Backspace);
    Press(Qt::Key_Return);
    Activate(w);
    EXPECT_TRUE(page->KeyringNote()->isVisible());
    EXPECT_EQ(page->KeyringNote()->text(), Keyring::NoKeyringText());
    EXPECT_EQ(page->RememberBox()->toolTip(), Keyring::NoKeyringText());
    EXPECT_FALSE(page->RememberBox()->isChecked());
    EXPECT_FALSE(page->RememberBox()->isEnabled());
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0], CardDavFailure(CardDavFailure::Kind::NotCardDav, web->BaseUrl()).Message());
    EXPECT_EQ(w.currentId(), W::kImportServerPage);
    EXPECT_EQ(page->AddressEdit()->text(), web->BaseUrl().toString());

    // Escape leaves the wizard as before.
    Press(Qt::Key_Escape);
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_FALSE(w.isVisible());
}

}  // namespace
