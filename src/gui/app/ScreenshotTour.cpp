#include "gui/app/ScreenshotTour.h"

#include "gui/app/MainWindow.h"
#include "gui/contacts/ChooseOperationPage.h"
#include "gui/contacts/ImportExportChoices.h"
#include "gui/contacts/ImportExportWizard.h"
#include "gui/contacts/ImportFilePage.h"
#include "gui/contacts/ImportServerPage.h"
#include "gui/phonebook/PhonebookPage.h"
#include "gui/phonebook/SyncPreviewDialog.h"
#include "gui/phonebook/SyncPreviewModel.h"
#include "gui/picture/BrightnessContrastDialog.h"
#include "gui/picture/ColorBalanceDialog.h"
#include "gui/picture/PictureCanvas.h"
#include "gui/picture/PicturePage.h"
#include "gui/shell/AboutDialog.h"
#include "gui/shell/TabButton.h"
#include "gui/shell/TabPage.h"

#include "core/common/Cp1252.h"
#include "core/contacts/CardDavClient.h"
#include "core/phonebook/PhonebookLimits.h"
#include "core/phonebook/PhonebookMerge.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeView>
#include <QTreeWidget>

#include <cstdio>

namespace {

// Lets the windows settle and paint, then saves the whole screen (so that a dialog shows with
// the window under it) as `folder`/N-`name`.png.
void ShootScreen(const QString& folder, int& n, const char* name)
{
    QCoreApplication::processEvents();
    QThread::msleep(200);
    QCoreApplication::processEvents();
    const QString file = QStringLiteral("%1/%2-%3.png").arg(folder).arg(++n).arg(QLatin1String(name));
    QGuiApplication::primaryScreen()->grabWindow(0).save(file);
    std::printf("%s\n", qPrintable(file));
}

// Saves the main window alone.
void ShootWindow(MainWindow* window, const QString& folder, int& n, const QString& name)
{
    QCoreApplication::processEvents();
    const QString file = QStringLiteral("%1/%2-%3.png").arg(folder).arg(++n).arg(name);
    window->grab().save(file);
    std::printf("%s\n", qPrintable(file));
}

// The picture page with a sample picture zoomed and framed, then with each adjustment dialog
// open over it (the whole screen, so that the dialog shows with the window).
void ShootPicturePage(MainWindow* window, PicturePage* page, const QString& folder, int& n)
{
    const QString sample = PicturePage::SampleImagesFolder() + QStringLiteral("/beach.jpg");
    if (!page->HasImage() && !page->OpenFile(sample))
        return;
    page->Canvas()->ZoomIn();
    page->Canvas()->ZoomIn();
    page->Canvas()->MoveFrameBy(60, 20);
    ShootWindow(window, folder, n, QStringLiteral("pictures-loaded"));

    const auto shoot = [&](AdjustmentDialog& dialog, const char* name, const std::vector<std::pair<int, int>>& moves) {
        dialog.show();
        dialog.move(window->geometry().topRight() - QPoint(dialog.width() + 20, -120));
        for (const auto& [id, value] : moves)
            dialog.Slider(id)->setValue(value);
        ShootScreen(folder, n, name);
        dialog.accept();
    };
    BrightnessContrastDialog light(0, 0, page->Preview(), window);
    shoot(light, "pictures-brightness-contrast",
          {{BrightnessContrastDialog::kBrightnessSlider, 35}, {BrightnessContrastDialog::kContrastSlider, 25}});
    ColorBalanceDialog colour(0, 0, 0, page->Preview(), window);
    shoot(colour, "pictures-color-balance",
          {{ColorBalanceDialog::kRedSlider, 40}, {ColorBalanceDialog::kBlueSlider, -30}});
}

// Each page of the import/export wizard: the phone book exported to CSV, then the mapping page
// reading it back.
void ShootImportWizard(MainWindow* window, PhonebookPage* book, const QString& folder, int& n)
{
    // The received book as Google Contacts exports it, with the mobile number in the second
    // phone column for some, so that the page shows the order numbers are looked for in.
    QTemporaryDir dir;
    const QString contacts = dir.filePath(QStringLiteral("contacts.csv"));
    QFile file(contacts);
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly))
        return;
    QByteArray csv = "First Name,Last Name,Labels,Phone 1 - Label,Phone 1 - Value,Phone 2 - Label,Phone 2 - Value\r\n";
    for (int row = 0; row < book->Model().Count(); ++row) {
        const PhonebookEntry& e = book->Model().Entry(row);
        const QByteArray name = Cp1252::ToUnicode(e.name).toUtf8();
        const QByteArray number = Cp1252::ToUnicode(e.number).toUtf8();
        csv += name + ",,* myContacts ::: " + (row % 2 ? "Family" : "Work") +
               (row % 3 ? ",Work," + number + ",," : ",,,Mobile," + number) + "\r\n";
    }
    file.write(csv);
    file.close();
    {
        ImportExportWizard wizard(window, static_cast<int>(MAX_PHONEBOOK_ENTRIES) - book->Model().Count());
        wizard.SetExportCounts(0, book->Model().Count());
        wizard.show();
        ShootScreen(folder, n, "import-export-choice");
        wizard.OperationPage()->SetOperation(ImportExportChoices::kExport);
        wizard.next();
        ShootScreen(folder, n, "export");
        wizard.reject();
    }
    ImportExportWizard wizard(window, static_cast<int>(MAX_PHONEBOOK_ENTRIES) - book->Model().Count());
    wizard.show();
    wizard.next();
    ShootScreen(folder, n, "import-intro");
    wizard.next();
    wizard.FilePage()->SetFileName(contacts);
    ShootScreen(folder, n, "import-file");
    wizard.next();
    ShootScreen(folder, n, "import-mapping");
    wizard.reject();
}

// The wizard's server page filled in, then with the address books it found. The server is
// the one scripts/screenshots starts on loopback and names in DIALBOOK_TOUR_CARDDAV_URL,
// _USER and _PASSWORD; without it the two shots are left out, with a note.
void ShootServerImport(MainWindow* window, PhonebookPage* book, const QString& folder, int& n)
{
    const CardDavAccount account{QUrl(qEnvironmentVariable("DIALBOOK_TOUR_CARDDAV_URL")),
                                 qEnvironmentVariable("DIALBOOK_TOUR_CARDDAV_USER"),
                                 qEnvironmentVariable("DIALBOOK_TOUR_CARDDAV_PASSWORD"), {}};
    if (account.address.isEmpty()) {
        std::printf("No CardDAV server given (DIALBOOK_TOUR_CARDDAV_URL): the server page is left out.\n");
        return;
    }
    // Asked first here, where a failure prints, rather than in the page, whose message box would
    // wait for a click that never comes.
    {
        CardDavClient probe(account);
        if (!probe.FindAddressBooks(false)) {
            std::printf("The CardDAV server cannot be read, so the server page is left out: %s\n",
                        qPrintable(probe.Failure().Message()));
            return;
        }
    }
    // The page keeps the address and user in the settings: the tour's go to a folder of its own,
    // never into those of whoever runs it.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    ImportExportWizard wizard(window, static_cast<int>(MAX_PHONEBOOK_ENTRIES) - book->Model().Count());
    wizard.show();
    wizard.next();
    wizard.next();
    wizard.FilePage()->SetFromServer(true);
    wizard.next();
    ImportServerPage* page = wizard.ServerPage();
    page->AddressEdit()->setText(account.address.toString());
    page->UserEdit()->setText(account.user);
    page->PasswordEdit()->setText(account.password);
    page->RememberBox()->setChecked(true);
    page->FindButton()->setFocus(Qt::TabFocusReason);
    ShootScreen(folder, n, "import-server");
    // Nor does the tour's password go into the keyring of whoever runs it.
    page->RememberBox()->setChecked(false);
    if (page->FindAddressBooks()) {
        QTreeWidget* list = page->BookList();
        list->setCurrentItem(list->topLevelItem(0));
        ShootScreen(folder, n, "import-server-books");
    }
    wizard.reject();
}

// The sync preview over a sample plan with a change of every kind, a conflict and a duplicate,
// with the list's keyboard focus on the conflict.
void ShootSyncPreview(MainWindow* window, const QString& folder, int& n)
{
    const auto entry = [](const char* name, const char* number) {
        PhonebookEntry e;
        e.name = name;
        e.number = number;
        return e;
    };
    const std::vector<PhonebookEntry> base{entry("Anna Berg", "070 123 45 67"), entry("Ben Carter", "555 0202"),
                                           entry("Cleo Diaz", "555 0303"),      entry("Dan Evans", "555 0404"),
                                           entry("Doctor", "555 0199"),         entry("Office", "555 0100")};
    std::vector<PhonebookEntry> handset = base;
    handset[1].number = "555 0299";
    handset[3].number = "555 0411";
    handset.push_back(entry("Grace Hill", "555 0707"));
    std::vector<PhonebookEntry> computer = base;
    computer[3].number = "555 0422";
    computer.erase(computer.begin() + 2);
    computer.push_back(entry("Eve Foster", "555 0505"));
    computer.push_back(entry("Office desk", "555-0100"));
    MergePlan plan = PhonebookMerge::Plan(&base, handset, computer);
    SyncPreviewDialog dialog(plan, window);
    dialog.show();
    for (std::size_t row = 0; row < plan.changes.size(); ++row) {
        if (plan.changes[row].kind == MergeKind::Conflict)
            dialog.View()->setCurrentIndex(dialog.Model().index(static_cast<int>(row), 0));
    }
    dialog.View()->setFocus(Qt::TabFocusReason);
    ShootScreen(folder, n, "sync-preview");
    dialog.reject();
}

// The name of a page's picture, saying what it shows.
QString ShotName(const TabPage* page)
{
    if (qobject_cast<const PhonebookPage*>(page))
        return QStringLiteral("phonebook-empty");
    if (qobject_cast<const PicturePage*>(page))
        return QStringLiteral("pictures-empty");
    return QStringLiteral("welcome");
}

}  // namespace

void TakeScreenshots(MainWindow* window, const QString& folder)
{
    QDir().mkpath(folder);
    int n = 0;
    for (const TabPageEntry& row : window->TabPageTable()) {
        row.tabButton->click();
        QCoreApplication::processEvents();
        window->repaint();
        auto* pictures = qobject_cast<PicturePage*>(row.page);
        // A picture named on the command line is already loaded: the loaded page's shot shows it.
        if (!pictures || !pictures->HasImage())
            ShootWindow(window, folder, n, ShotName(row.page));
        // The phone-book page once more, with the handset's phone book in it.
        if (auto* book = qobject_cast<PhonebookPage*>(row.page); book && book->HandsetReady()) {
            book->OnReceive();
            // With the keyboard in the list, to show its focus ring.
            book->findChild<QTreeView*>()->setFocus(Qt::TabFocusReason);
            ShootWindow(window, folder, n, QStringLiteral("phonebook-received"));
            ShootImportWizard(window, book, folder, n);
            ShootServerImport(window, book, folder, n);
        }
        if (pictures)
            ShootPicturePage(window, pictures, folder, n);
    }
    ShootSyncPreview(window, folder, n);
    AboutDialog about(window);
    about.show();
    ShootScreen(folder, n, "about");
    about.reject();
    std::fflush(stdout);
    window->close();
}

