#include "gui/app/DialbookApp.h"

#include "gui/app/MainWindow.h"
#include "gui/shell/TabButton.h"
#include "gui/shell/TabPage.h"
#include "gui/app/SingleInstanceGuard.h"

#include "sim/SimulatedHandset.h"

#include "gui/contacts/ImportExportWizard.h"
#include "gui/contacts/ImportFilePage.h"
#include "gui/phonebook/PhonebookPage.h"
#include "gui/picture/BrightnessContrastDialog.h"
#include "gui/picture/ColorBalanceDialog.h"
#include "gui/picture/PictureCanvas.h"
#include "gui/picture/PicturePage.h"

#include "core/common/Cp1252.h"
#include "core/common/StringTable.h"
#include "core/phonebook/PhonebookLimits.h"
#include "core/picture/PictureDecoder.h"

#include <QCommandLineParser>
#include <QFile>
#include <QTemporaryDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSlider>
#include <QThread>
#include <QDir>
#include <QTimer>
#include <QTreeView>

#include <cstdio>
#include <memory>

namespace {

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
    QCoreApplication::processEvents();
    const QString loaded = QStringLiteral("%1/%2-pictures-loaded.png").arg(folder).arg(++n);
    window->grab().save(loaded);
    std::printf("%s\n", qPrintable(loaded));

    const auto shoot = [&](AdjustmentDialog& dialog, const char* name, const std::vector<std::pair<int, int>>& moves) {
        dialog.show();
        dialog.move(window->geometry().topRight() - QPoint(dialog.width() + 20, -120));
        for (const auto& [id, value] : moves)
            dialog.Slider(id)->setValue(value);
        QCoreApplication::processEvents();
        QThread::msleep(200);
        QCoreApplication::processEvents();
        const QString file = QStringLiteral("%1/%2-%3.png").arg(folder).arg(++n).arg(QLatin1String(name));
        QGuiApplication::primaryScreen()->grabWindow(0).save(file);
        std::printf("%s\n", qPrintable(file));
        dialog.accept();
    };
    BrightnessContrastDialog light(0, 0, page->Preview(), window);
    shoot(light, "pictures-brightness-contrast",
          {{BrightnessContrastDialog::kBrightnessSlider, 35}, {BrightnessContrastDialog::kContrastSlider, 25}});
    ColorBalanceDialog colour(0, 0, 0, page->Preview(), window);
    shoot(colour, "pictures-color-balance",
          {{ColorBalanceDialog::kRedSlider, 40}, {ColorBalanceDialog::kBlueSlider, -30}});
}

// The phone book exported to CSV, then the import wizard's mapping page reading it back.
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
    ImportExportWizard wizard(window, static_cast<int>(MAX_PHONEBOOK_ENTRIES) - book->Model().Count());
    wizard.show();
    wizard.next();
    wizard.next();
    wizard.FilePage()->SetFileName(contacts);
    wizard.next();
    QCoreApplication::processEvents();
    QThread::msleep(200);
    QCoreApplication::processEvents();
    const QString shot = QStringLiteral("%1/%2-import-mapping.png").arg(folder).arg(++n);
    QGuiApplication::primaryScreen()->grabWindow(0).save(shot);
    std::printf("%s\n", qPrintable(shot));
    wizard.reject();
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

// Saves a picture of each tab into `folder`, named for what it shows, then ends the program.
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
        if (!pictures || !pictures->HasImage()) {
            const QString name = QStringLiteral("%1/%2-%3.png").arg(folder).arg(++n).arg(ShotName(row.page));
            window->grab().save(name);
            std::printf("%s\n", qPrintable(name));
        }
        // The phone-book page once more, with the handset's phone book in it.
        if (auto* book = qobject_cast<PhonebookPage*>(row.page); book && book->HandsetReady()) {
            book->OnReceive();
            // With the keyboard in the list, to show its focus ring.
            book->findChild<QTreeView*>()->setFocus(Qt::TabFocusReason);
            QCoreApplication::processEvents();
            const QString loaded = QStringLiteral("%1/%2-phonebook-received.png").arg(folder).arg(++n);
            window->grab().save(loaded);
            std::printf("%s\n", qPrintable(loaded));
            ShootImportWizard(window, book, folder, n);
        }
        if (pictures)
            ShootPicturePage(window, pictures, folder, n);
    }
    std::fflush(stdout);
    window->close();
}

}  // namespace

DialbookApp::DialbookApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Orvak"));
    setApplicationName(QStringLiteral("orvak-dialbook"));
    setApplicationDisplayName(LoadString(Msg::AppTitle));
    setApplicationVersion(QStringLiteral(DIALBOOK_VERSION));
    // The menu entry this window belongs to, for its icon in the task bar.
    setDesktopFileName(QStringLiteral("orvak-dialbook"));
    PictureDecoder::SetAllocationLimit();
    m_translations = std::make_unique<Translations>();
}

int DialbookApp::InitInstance()
{
    QCommandLineParser parser;
    parser.setApplicationDescription(LoadString(Msg::AppTitle));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption simulate(QStringLiteral("simulate"), tr("Start with a simulated handset attached."));
    //: The value of --screenshots in the help: a folder.
    const QString folderWord = tr("DIR");
    const QCommandLineOption screenshots(QStringLiteral("screenshots"),
                                         tr("Save a picture of each tab into %1, then quit.").arg(folderWord), folderWord);
    parser.addOption(simulate);
    parser.addOption(screenshots);
    //: The argument in the help: a picture file, which may be left out.
    parser.addPositionalArgument(QStringLiteral("file"), tr("A picture to open on the Pictures page."), tr("[FILE]"));
    parser.process(*this);
    // A file manager may pass several; the page takes the first, as it does with dropped files.
    const QStringList files = parser.positionalArguments();
    const QString picture = files.isEmpty() ? QString() : files.constFirst();

    SingleInstanceGuard guard(SingleInstanceGuard::DefaultKey());
    const bool takingScreenshots = parser.isSet(screenshots);
    bool listening = false;
    if (!takingScreenshots) {
        if (guard.HandOverToRunningCopy(picture))
            return 0;
        // Refused when a copy started at the same instant listened first: that one is asked.
        listening = guard.Listen();
        if (!listening && guard.HandOverToRunningCopy(picture))
            return 0;
    }

    SimulatedHandset sim;
    if (parser.isSet(simulate)) {
        std::string error;
        if (!sim.Start(SimConfig{}, &error)) {
            std::fprintf(stderr, "orvak-dialbook: %s\n", error.c_str());
            return 1;
        }
    }

    MainWindow window;
    connect(&guard, &SingleInstanceGuard::raiseRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    connect(&guard, &SingleInstanceGuard::openRequested, &window, &MainWindow::OpenPicture);
    window.show();
    // Only the copy that owns the single-instance key touches the recovery copy: a copy that
    // could not listen may run beside another, and must not remove that one's.
    if (listening)
        window.StartRecovery();
    if (!picture.isEmpty())
        QTimer::singleShot(0, &window, [&window, picture] { window.OpenPicture(picture); });
    if (takingScreenshots) {
        const QString folder = parser.value(screenshots);
        // Give the start-up handset refresh time to finish first.
        QTimer::singleShot(1500, &window, [&window, folder] { TakeScreenshots(&window, folder); });
    }
    return exec();
}
