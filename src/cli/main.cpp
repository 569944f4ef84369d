// dialbook: the command-line tool.

#include "DevicesCommand.h"
#include "PhonebookCommands.h"
#include "SimulatedHandset.h"

#include "handset/CHandsetCommunication.h"
#include "handset/HandsetIds.h"

#include <QCoreApplication>

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kExitUsage = 2;

const char* const kHelp =
    "Usage: dialbook [--simulate] COMMAND [ARGS]\n"
    "\n"
    "Talks to the first Orvak handset found on USB, or to a simulated one.\n"
    "\n"
    "Commands:\n"
    "  devices          List every device of the handset maker: its path, vendor:product in\n"
    "                   hex, input and output report lengths, and whether it is an accepted\n"
    "                   handset. Devices that cannot be opened are listed with the reason.\n"
    "                   Exits 0 when an accepted handset is there, else 1.\n"
    "  info             Print the handset's name and its identity (12 hex digits).\n"
    "  pull FILE.opbk   Receive the handset's phone book and save it in FILE.opbk.\n"
    "  push FILE.opbk   Send the phone book in FILE.opbk to the handset, replacing the one\n"
    "                   there. Asks first; entries without a name or a number are left out,\n"
    "                   after a second question.\n"
    "  show FILE.opbk   Print the identity of a phone-book file and one line per entry:\n"
    "                   the name, a tab, the number.\n"
    "\n"
    "Options:\n"
    "  --simulate       Run against a handset simulated inside this process.\n"
    "  --yes            Answer Yes to the questions of push.\n"
    "  -h, --help       Show this help.\n"
    "\n"
    "Transfers show a progress bar on a terminal; Ctrl+C cancels them (\"Data transfer\n"
    "canceled.\"). Failures print the reason and exit with 1; usage errors exit with 2.\n"
    "Simulated handsets started with orvak-handset-sim are found like USB handsets.\n";

int Usage(const std::string& message)
{
    std::fprintf(stderr, "dialbook: %s\nTry 'dialbook --help'.\n", message.c_str());
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvak"));
    QCoreApplication::setApplicationName(QStringLiteral("dialbook"));

    bool simulate = false;
    CommandConsole console;
    console.canAsk = ::isatty(STDIN_FILENO) != 0;
    console.showProgress = ::isatty(STDERR_FILENO) != 0;
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (arg == "--simulate")
            simulate = true;
        else if (arg == "--yes")
            console.assumeYes = true;
        else if (arg.starts_with("-"))
            return Usage("unknown option " + arg);
        else
            words.push_back(arg);
    }
    if (words.empty())
        return Usage("no command given");

    const std::string& command = words[0];
    const std::size_t arguments = words.size() - 1;
    const bool takesFile = command == "pull" || command == "push" || command == "show";
    if (takesFile && arguments != 1)
        return Usage(command + " takes one file");
    if (!takesFile && command != "devices" && command != "info")
        return Usage("unknown command " + command);
    if (!takesFile && arguments != 0)
        return Usage(command + " takes no arguments");

    SimulatedHandset sim;
    if (simulate && command != "show") {
        std::string error;
        if (!sim.Start(SimConfig{}, &error)) {
            std::fprintf(stderr, "dialbook: %s\n", error.c_str());
            return 1;
        }
    }
    CHandsetCommunication link;
    link.Init(nullptr, HANDSET_VENDOR_ID);

    const QString file = takesFile ? QString::fromLocal8Bit(words[1].c_str()) : QString();
    if (command == "devices")
        return RunDevicesCommand(stdout);
    if (command == "info")
        return RunInfoCommand(console);
    if (command == "pull")
        return RunPullCommand(console, file);
    if (command == "push")
        return RunPushCommand(console, file);
    return RunShowCommand(console, file);
}
