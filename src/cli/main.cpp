// dialbook: the command-line tool.

#include "cli/DevicesCommand.h"
#include "cli/PhonebookCommands.h"
#include "cli/PictureCommands.h"
#include "sim/SimulatedHandset.h"

#include "core/handset/HandsetLink.h"
#include "core/handset/HandsetIds.h"

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
    "  picture IN OUT.bmp\n"
    "                   Make the handset picture of IN (BMP, GIF, JPEG, PNG, TIFF) and save it\n"
    "                   as a 128 x 128 16-bit BMP file. IN is fitted to the 426 x 300 canvas\n"
    "                   of the picture page, framed in the middle, on white.\n"
    "  send-picture IN  Make the handset picture of IN and download it to the handset.\n"
    "\n"
    "Picture options, applied in this order:\n"
    "  --rotate left|right, --zoom-in N, --zoom-out N   as often as wanted, in the order given\n"
    "  --frame X,Y      move the 128 x 128 frame to X,Y on the canvas (kept within it)\n"
    "  --brightness N, --contrast N, --red N, --green N, --blue N   from -100 to 100\n"
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
    PictureSteps picture;
    const auto number = [](const std::string& text, int min, int max, int* out) {
        try {
            std::size_t used = 0;
            const int v = std::stoi(text, &used);
            if (used != text.size() || v < min || v > max)
                return false;
            *out = v;
            return true;
        } catch (const std::exception&) {
            return false;
        }
    };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--rotate" || arg == "--zoom-in" || arg == "--zoom-out" || arg == "--frame" ||
            arg == "--brightness" || arg == "--contrast" || arg == "--red" || arg == "--green" || arg == "--blue") {
            if (!hasValue)
                return Usage(arg + " needs a value");
            const std::string value = argv[++i];
            if (arg == "--rotate") {
                if (value != "left" && value != "right")
                    return Usage("--rotate takes left or right");
                picture.steps.push_back(value == "left" ? PictureSteps::Step::RotateLeft
                                                        : PictureSteps::Step::RotateRight);
            } else if (arg == "--zoom-in" || arg == "--zoom-out") {
                int n = 0;
                if (!number(value, 0, 1000, &n))
                    return Usage(arg + " takes a number of steps");
                picture.steps.insert(picture.steps.end(), static_cast<std::size_t>(n),
                                     arg == "--zoom-in" ? PictureSteps::Step::ZoomIn : PictureSteps::Step::ZoomOut);
            } else if (arg == "--frame") {
                const auto comma = value.find(',');
                int x = 0, y = 0;
                if (comma == std::string::npos || !number(value.substr(0, comma), -100000, 100000, &x) ||
                    !number(value.substr(comma + 1), -100000, 100000, &y))
                    return Usage("--frame takes X,Y");
                picture.frame = QPoint(x, y);
            } else {
                int v = 0;
                if (!number(value, -100, 100, &v))
                    return Usage(arg + " takes a number from -100 to 100");
                int* target = arg == "--brightness" ? &picture.brightness
                              : arg == "--contrast" ? &picture.contrast
                              : arg == "--red"      ? &picture.red
                              : arg == "--green"    ? &picture.green
                                                    : &picture.blue;
                *target = v;
            }
            continue;
        }
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
    const bool takesFile = command == "pull" || command == "push" || command == "show" || command == "send-picture";
    if (takesFile && arguments != 1)
        return Usage(command + " takes one file");
    if (command == "picture" && arguments != 2)
        return Usage("picture takes a picture file and a BMP file");
    if (!takesFile && command != "devices" && command != "info" && command != "picture")
        return Usage("unknown command " + command);
    if (!takesFile && command != "picture" && arguments != 0)
        return Usage(command + " takes no arguments");

    SimulatedHandset sim;
    if (simulate && command != "show" && command != "picture") {
        std::string error;
        if (!sim.Start(SimConfig{}, &error)) {
            std::fprintf(stderr, "dialbook: %s\n", error.c_str());
            return 1;
        }
    }
    HandsetLink link;
    link.Init(nullptr, HANDSET_VENDOR_ID);

    const QString file = arguments >= 1 ? QString::fromLocal8Bit(words[1].c_str()) : QString();
    if (command == "picture")
        return RunPictureCommand(console, file, QString::fromLocal8Bit(words[2].c_str()), picture);
    if (command == "send-picture")
        return RunSendPictureCommand(console, file, picture);
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
