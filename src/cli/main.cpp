// dialbook: the command-line tool.

#include "DevicesCommand.h"
#include "SimulatedHandset.h"

#include "handset/CHandsetCommunication.h"
#include "handset/HandsetIds.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kExitUsage = 2;

const char* const kHelp =
    "Usage: dialbook [--simulate] COMMAND [ARGS]\n"
    "\n"
    "Talks to an Orvak handset on USB, or to a simulated one.\n"
    "\n"
    "Commands:\n"
    "  devices     List every device of the handset maker: its path, vendor:product in hex,\n"
    "              input and output report lengths, and whether it is an accepted handset.\n"
    "              Devices that cannot be opened are listed with the reason. Exits 0 when an\n"
    "              accepted handset is there, else 1.\n"
    "\n"
    "Options:\n"
    "  --simulate  Run against a simulated handset inside this process.\n"
    "  -h, --help  Show this help.\n"
    "\n"
    "Simulated handsets started with orvak-handset-sim are found like USB handsets.\n";

int Usage(const char* message)
{
    std::fprintf(stderr, "dialbook: %s\nTry 'dialbook --help'.\n", message);
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvak"));
    QCoreApplication::setApplicationName(QStringLiteral("dialbook"));

    bool simulate = false;
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (arg == "--simulate")
            simulate = true;
        else if (arg.starts_with("-"))
            return Usage(("unknown option " + arg).c_str());
        else
            words.push_back(arg);
    }
    if (words.empty())
        return Usage("no command given");

    SimulatedHandset sim;
    if (simulate) {
        std::string error;
        if (!sim.Start(SimConfig{}, &error)) {
            std::fprintf(stderr, "dialbook: %s\n", error.c_str());
            return 1;
        }
    }
    CHandsetCommunication link;
    link.Init(nullptr, HANDSET_VENDOR_ID);

    const std::string& command = words[0];
    if (command == "devices") {
        if (words.size() != 1)
            return Usage("devices takes no arguments");
        return RunDevicesCommand(stdout);
    }
    return Usage(("unknown command " + command).c_str());
}
