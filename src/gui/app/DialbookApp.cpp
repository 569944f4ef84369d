#include "gui/app/DialbookApp.h"

#include "gui/app/MainWindow.h"
#include "gui/app/ScreenshotTour.h"
#include "gui/shell/TabButton.h"
#include "gui/shell/TabPage.h"
#include "gui/app/SingleInstanceGuard.h"

#include "sim/SimulatedHandset.h"

#include "gui/phonebook/PhonebookPage.h"
#include "gui/picture/PicturePage.h"

#include "core/common/StringTable.h"
#include "core/picture/PictureDecoder.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTimer>

#include <cstdio>
#include <memory>

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
