#include "gui/app/DialbookApp.h"

#include "gui/app/MainWindow.h"
#include "gui/shell/TabButton.h"
#include "gui/shell/TabPage.h"
#include "gui/app/SingleInstanceGuard.h"

#include "sim/SimulatedHandset.h"

#include "gui/phonebook/PhonebookPage.h"

#include "core/common/StringTable.h"
#include "core/picture/PictureDecoder.h"

#include <QCommandLineParser>
#include <QDir>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// Saves a picture of each tab into `folder`, then ends the program.
void TakeScreenshots(MainWindow* window, const QString& folder)
{
    QDir().mkpath(folder);
    int n = 0;
    for (const TabPageEntry& row : window->TabPageTable()) {
        row.tabButton->click();
        QCoreApplication::processEvents();
        window->repaint();
        const QString name = QStringLiteral("%1/%2-%3.png").arg(folder).arg(++n).arg(row.tabButton->objectName());
        window->grab().save(name);
        std::printf("%s\n", qPrintable(name));
        // The phone-book page once more, with the handset's phone book in it.
        if (auto* book = qobject_cast<PhonebookPage*>(row.page); book && book->HandsetReady()) {
            book->OnReceive();
            QCoreApplication::processEvents();
            const QString loaded = QStringLiteral("%1/%2-phonebook-received.png").arg(folder).arg(++n);
            window->grab().save(loaded);
            std::printf("%s\n", qPrintable(loaded));
        }
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
    setApplicationVersion(QStringLiteral("2.0.1"));
    PictureDecoder::SetAllocationLimit();
}

int DialbookApp::InitInstance()
{
    QCommandLineParser parser;
    parser.setApplicationDescription(LoadString(Msg::AppTitle));
    parser.addHelpOption();
    const QCommandLineOption simulate(QStringLiteral("simulate"), QStringLiteral("Start with a simulated handset attached."));
    const QCommandLineOption screenshots(QStringLiteral("screenshots"),
                                         QStringLiteral("Save a picture of each tab into DIR, then quit."),
                                         QStringLiteral("DIR"));
    parser.addOption(simulate);
    parser.addOption(screenshots);
    parser.process(*this);

    SingleInstanceGuard guard(SingleInstanceGuard::DefaultKey());
    const bool takingScreenshots = parser.isSet(screenshots);
    if (!takingScreenshots) {
        if (guard.HandOverToRunningCopy())
            return 0;
        guard.Listen();
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
    window.show();
    if (takingScreenshots) {
        const QString folder = parser.value(screenshots);
        // Give the start-up handset refresh time to finish first.
        QTimer::singleShot(1500, &window, [&window, folder] { TakeScreenshots(&window, folder); });
    }
    return exec();
}
