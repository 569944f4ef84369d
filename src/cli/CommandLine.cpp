#include "cli/CommandLine.h"

#include "cli/ContactCommands.h"
#include "cli/DevicesCommand.h"
#include "cli/PhonebookCommands.h"
#include "cli/PictureCommands.h"

#include "sim/SimulatedHandset.h"

#include "core/contacts/ContactImport.h"
#include "core/handset/HandsetIds.h"
#include "core/handset/HandsetLink.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>
#include <map>
#include <optional>

namespace {

// One text, so that a translator sees the whole help and can keep its columns lined up.
//: dialbook's help. The command names, the option names (--simulate, --map, ...), their fixed
//: values (left, right, none, phone=, first=, last=) and the program names stay as they are.
const char* const kHelp = QT_TRANSLATE_NOOP("CommandLine",
    "Usage: dialbook [--simulate] COMMAND [ARGS]\n"
    "\n"
    "Talks to the first Orvak handset found on USB, or to a simulated one.\n"
    "\n"
    "Commands:\n"
    "  devices          List every device of the handset maker: its path, vendor:product in\n"
    "                   hex, input and output report lengths, and whether it is an accepted\n"
    "                   handset. Devices that cannot be opened are listed with the reason;\n"
    "                   for a handset this user may not open, the fix is named too (the\n"
    "                   udev rule). Exits 0 when an accepted handset is there, else 1.\n"
    "  info             Print the handset's name and its identity (12 hex digits), or how\n"
    "                   to get permission to open it.\n"
    "  pull FILE.opbk   Receive the handset's phone book and save it in FILE.opbk.\n"
    "  push FILE.opbk   Send the phone book in FILE.opbk to the handset, replacing the one\n"
    "                   there. Asks first; entries without a name or a number are left out,\n"
    "                   after a second question. When no entry is left to send, it asks\n"
    "                   whether to delete all the entries on the handset (No unless y).\n"
    "                   The handset's book is kept in My Phonebooks/Backups first (the 20\n"
    "                   newest of each handset), unless --no-backup.\n"
    "  sync BOOK.opbk [--prefer computer|handset] [--dry-run]\n"
    "                   Sync the handset's phone book with BOOK.opbk: what was added,\n"
    "                   changed or deleted on either side since the last sync of this\n"
    "                   handset reaches the other. Prints each change and where it came\n"
    "                   from, then asks once before it sends the merged book to the\n"
    "                   handset (only when its book differs) and saves it in BOOK.opbk.\n"
    "                   An entry changed on both sides differently is a conflict: the\n"
    "                   computer's version is taken unless --prefer handset. The first\n"
    "                   sync takes the entries of both books, entries alike once. The\n"
    "                   handset's book is kept in the Backups first, unless --no-backup.\n"
    "                   When the merged book would hold more than 100 entries, nothing is\n"
    "                   sent or written. --dry-run prints the changes and stops.\n"
    "  backups          List the kept phone books, newest first.\n"
    "  show FILE.opbk   Print the identity of a phone-book file and one line per entry:\n"
    "                   the name, a tab, the number.\n"
    "  picture IN OUT.png|OUT.bmp\n"
    "                   Make the handset picture of IN (BMP, GIF, JPEG, PNG, TIFF, WebP or\n"
    "                   SVG) and save it as a 128 x 128 PNG file, or as the handset's 16-bit\n"
    "                   BMP file. IN is fitted to the 426 x 300 canvas of the picture page,\n"
    "                   framed in the middle, on white. A damaged picture is said on stderr\n"
    "                   and the part of it that could be read is used.\n"
    "  send-picture IN  Make the handset picture of IN and download it to the handset.\n"
    "  import CONTACTS BOOK.opbk [--map phone=COL,first=COL,last=COL] [--dry-run]\n"
    "                   Append the contacts of a delimited text file (commas, semicolons\n"
    "                   or tabs; UTF-8, UTF-16 or Windows-1252) or a vCard file to\n"
    "                   BOOK.opbk, made when missing, as the phone-book page's import does.\n"
    "                   Prints the mapping used, then how many entries it added, and on\n"
    "                   stderr what it changed on the way (numbers taken from another\n"
    "                   column or rewritten, contacts without a name left out, ...). COL is\n"
    "                   a header text or a column number from 1; none clears a target;\n"
    "                   targets not named keep the guessed column. A number comes from the\n"
    "                   phone column, or when that is empty from the file's other phone\n"
    "                   columns, mobile ones first; phone=COL1|COL2|... gives the whole order.\n"
    "                   When more contacts are asked for than BOOK.opbk has room for (100\n"
    "                   entries in all), nothing is written. --dry-run prints the entries and\n"
    "                   writes nothing.\n"
    "    --international-prefix P   what a leading + becomes (digits; default 00)\n"
    "    --category NAME  only contacts with this category or label (may be repeated: any)\n"
    "    --first N        only the first N contacts (of those of the categories)\n"
    "                   CONTACTS may also be the http(s) address of a CardDAV server, or of\n"
    "                   one of its address books, with --user NAME: its cards are read as a\n"
    "                   vCard file is. A server that has several address books lists them;\n"
    "                   give the one to read by its address.\n"
    "  addressbooks URL --user NAME\n"
    "                   List the address books of a CardDAV server (Nextcloud, iCloud,\n"
    "                   Fastmail, Radicale, ...), found from its address, with their card\n"
    "                   counts and addresses.\n"
    "  export BOOK.opbk OUT.csv|OUT.vcf\n"
    "                   Write every entry of BOOK.opbk as comma-delimited text, or as vCard\n"
    "                   when OUT ends in .vcf.\n"
    "\n"
    "Server options (addressbooks, and import from a server):\n"
    "  --user NAME      the user name on the server\n"
    "  --password-file FILE   read the password from the first line of FILE, which only\n"
    "                   its owner may read (chmod 600). Without it the password comes\n"
    "                   from the desktop's keyring, else it is asked for on the terminal\n"
    "                   without showing it. It is never taken on the command line.\n"
    "  --save-password  keep the password typed when asked in the keyring, once the\n"
    "                   server has taken it\n"
    "  --ca-file FILE   trust this certificate too (PEM or DER), for a server that signs\n"
    "                   its own; other certificates that do not verify are refused\n"
    "\n"
    "Picture options, applied in this order:\n"
    "  --rotate left|right, --zoom-in N, --zoom-out N   as often as wanted, in the order given\n"
    "  --frame X,Y      move the 128 x 128 frame to X,Y on the canvas (kept within it)\n"
    "  --brightness N, --contrast N, --red N, --green N, --blue N   from -100 to 100\n"
    "\n"
    "Options:\n"
    "  --simulate       Run against a handset simulated inside this process.\n"
    "  --yes            Answer Yes to the questions of push and sync, also to deleting\n"
    "                   all the handset's entries with a book of none.\n"
    "  -h, --help       Show this help.\n"
    "\n"
    "Transfers show a progress bar on a terminal; Ctrl+C cancels them (\"Data transfer\n"
    "canceled.\"). Failures print the reason and exit with 1; usage errors exit with 2.\n"
    "Simulated handsets started with orvak-handset-sim are found like USB handsets.\n");

ParsedCommandLine Usage(const QString& message)
{
    ParsedCommandLine r;
    r.exitStatus = kExitUsage;
    r.error = "dialbook: " + message.toStdString() + "\n" +
              QCoreApplication::translate("CommandLine", "Try 'dialbook --help'.").toStdString() + "\n";
    return r;
}

std::optional<int> Number(const QString& text, int min, int max)
{
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    if (!ok || v < min || v > max)
        return std::nullopt;
    return v;
}

struct CommandShape {
    CommandLine::Command command;
    int files;
    const char* usage;
};

const std::map<QString, CommandShape>& Commands()
{
    static const std::map<QString, CommandShape> commands = {
        {QStringLiteral("devices"),
         {CommandLine::Command::Devices, 0, QT_TRANSLATE_NOOP("CommandLine", "devices takes no arguments")}},
        {QStringLiteral("info"),
         {CommandLine::Command::Info, 0, QT_TRANSLATE_NOOP("CommandLine", "info takes no arguments")}},
        {QStringLiteral("pull"),
         {CommandLine::Command::Pull, 1, QT_TRANSLATE_NOOP("CommandLine", "pull takes one file")}},
        {QStringLiteral("push"),
         {CommandLine::Command::Push, 1, QT_TRANSLATE_NOOP("CommandLine", "push takes one file")}},
        {QStringLiteral("sync"),
         {CommandLine::Command::Sync, 1, QT_TRANSLATE_NOOP("CommandLine", "sync takes one file")}},
        {QStringLiteral("show"),
         {CommandLine::Command::Show, 1, QT_TRANSLATE_NOOP("CommandLine", "show takes one file")}},
        {QStringLiteral("picture"),
         {CommandLine::Command::Picture, 2,
          QT_TRANSLATE_NOOP("CommandLine", "picture takes a picture file and a PNG or BMP file")}},
        {QStringLiteral("send-picture"),
         {CommandLine::Command::SendPicture, 1, QT_TRANSLATE_NOOP("CommandLine", "send-picture takes one file")}},
        {QStringLiteral("backups"),
         {CommandLine::Command::Backups, 0, QT_TRANSLATE_NOOP("CommandLine", "backups takes no arguments")}},
        {QStringLiteral("import"),
         {CommandLine::Command::Import, 2,
          QT_TRANSLATE_NOOP("CommandLine", "import takes a contacts file and a phone-book file")}},
        {QStringLiteral("addressbooks"),
         {CommandLine::Command::AddressBooks, 1,
          QT_TRANSLATE_NOOP("CommandLine", "addressbooks takes the address of a CardDAV server")}},
        {QStringLiteral("export"),
         {CommandLine::Command::Export, 2,
          QT_TRANSLATE_NOOP("CommandLine", "export takes a phone-book file and a contacts file")}},
    };
    return commands;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption simulate(QStringLiteral("simulate"), QString());
    const QCommandLineOption yes(QStringLiteral("yes"), QString());
    const QCommandLineOption dryRun(QStringLiteral("dry-run"), QString());
    const QCommandLineOption noBackup(QStringLiteral("no-backup"), QString());
    const QCommandLineOption map(QStringLiteral("map"), QString(), QStringLiteral("targets"));
    const QCommandLineOption internationalPrefix(QStringLiteral("international-prefix"), QString(),
                                                 QStringLiteral("digits"));
    const QCommandLineOption category(QStringLiteral("category"), QString(), QStringLiteral("name"));
    const QCommandLineOption first(QStringLiteral("first"), QString(), QStringLiteral("count"));
    const QCommandLineOption prefer(QStringLiteral("prefer"), QString(), QStringLiteral("side"));
    const QCommandLineOption user(QStringLiteral("user"), QString(), QStringLiteral("name"));
    const QCommandLineOption passwordFile(QStringLiteral("password-file"), QString(), QStringLiteral("file"));
    const QCommandLineOption caFile(QStringLiteral("ca-file"), QString(), QStringLiteral("file"));
    const QCommandLineOption savePassword(QStringLiteral("save-password"), QString());
    // Taken only to be refused with the reason, rather than as an unknown option.
    const QCommandLineOption password(QStringLiteral("password"), QString(), QStringLiteral("password"));
    const QStringList valued = {QStringLiteral("rotate"), QStringLiteral("zoom-in"),  QStringLiteral("zoom-out"),
                                QStringLiteral("frame"),  QStringLiteral("brightness"), QStringLiteral("contrast"),
                                QStringLiteral("red"),    QStringLiteral("green"),    QStringLiteral("blue")};
    parser.addOption(help);
    parser.addOption(simulate);
    parser.addOption(yes);
    parser.addOption(dryRun);
    parser.addOption(noBackup);
    parser.addOption(map);
    parser.addOption(internationalPrefix);
    parser.addOption(category);
    parser.addOption(first);
    parser.addOption(prefer);
    parser.addOption(user);
    parser.addOption(passwordFile);
    parser.addOption(caFile);
    parser.addOption(savePassword);
    parser.addOption(password);
    for (const QString& name : valued)
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
    if (!parser.parse(arguments))
        return Usage(parser.errorText());
    if (parser.isSet(help)) {
        ParsedCommandLine r;
        r.exitStatus = 0;
        r.output = QCoreApplication::translate("CommandLine", kHelp).toStdString();
        return r;
    }

    ParsedCommandLine r;
    CommandLine& line = r.line;
    line.simulate = parser.isSet(simulate);
    line.assumeYes = parser.isSet(yes);
    line.noBackup = parser.isSet(noBackup);
    ImportRequest& request = line.importRequest;
    request.dryRun = parser.isSet(dryRun);
    request.mapTargets = parser.value(map);
    if (parser.isSet(internationalPrefix)) {
        request.internationalPrefix = parser.value(internationalPrefix);
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,%1}$").arg(ImportOptions::kMaxPrefixDigits));
        if (!digits.match(request.internationalPrefix).hasMatch())
            return Usage(QCoreApplication::translate("CommandLine", "--international-prefix takes digits, such as 00 or 011"));
    }
    line.syncRequest.dryRun = request.dryRun;
    line.syncRequest.keepBackup = !line.noBackup;
    if (parser.isSet(prefer)) {
        const QString side = parser.value(prefer);
        if (side != QLatin1String("computer") && side != QLatin1String("handset"))
            return Usage(QCoreApplication::translate("CommandLine", "--prefer takes computer or handset"));
        line.syncRequest.prefer = side == QLatin1String("handset") ? MergePreference::Handset : MergePreference::Computer;
    }
    if (parser.isSet(password))
        return Usage(QCoreApplication::translate(
            "CommandLine", "a password is never taken on the command line, where every user of this computer can "
                           "read it; give --password-file FILE, or type it when asked"));
    request.server.user = parser.value(user);
    request.server.passwordFile = parser.value(passwordFile);
    request.server.caFile = parser.value(caFile);
    request.server.savePassword = parser.isSet(savePassword);
    request.categories = parser.values(category);
    if (parser.isSet(first)) {
        const auto n = Number(parser.value(first), 1, 1000000);
        if (!n)
            return Usage(QCoreApplication::translate("CommandLine", "--first takes a number of contacts, 1 or more"));
        request.first = *n;
    }

    // The rotations and zoom steps apply in the order given, so walk the options as they came.
    std::map<QString, int> seen;
    for (const QString& name : parser.optionNames()) {
        if (!valued.contains(name))
            continue;
        const QString value = parser.values(name).value(seen[name]++);
        PictureSteps& p = line.picture;
        if (name == QLatin1String("rotate")) {
            if (value != QLatin1String("left") && value != QLatin1String("right"))
                return Usage(QCoreApplication::translate("CommandLine", "--rotate takes left or right"));
            p.steps.push_back(value == QLatin1String("left") ? PictureSteps::Step::RotateLeft
                                                             : PictureSteps::Step::RotateRight);
        } else if (name == QLatin1String("zoom-in") || name == QLatin1String("zoom-out")) {
            const auto n = Number(value, 0, 1000);
            if (!n)
                return Usage(QCoreApplication::translate("CommandLine", "--%1 takes a number of steps").arg(name));
            p.steps.insert(p.steps.end(), static_cast<std::size_t>(*n),
                           name == QLatin1String("zoom-in") ? PictureSteps::Step::ZoomIn : PictureSteps::Step::ZoomOut);
        } else if (name == QLatin1String("frame")) {
            const QStringList xy = value.split(QLatin1Char(','));
            const auto x = xy.size() == 2 ? Number(xy[0], -100000, 100000) : std::nullopt;
            const auto y = xy.size() == 2 ? Number(xy[1], -100000, 100000) : std::nullopt;
            if (!x || !y)
                return Usage(QCoreApplication::translate("CommandLine", "--frame takes X,Y"));
            p.frame = QPoint(*x, *y);
        } else {
            const auto v = Number(value, -100, 100);
            if (!v)
                return Usage(QCoreApplication::translate("CommandLine", "--%1 takes a number from -100 to 100").arg(name));
            int* target = name == QLatin1String("brightness") ? &p.brightness
                           : name == QLatin1String("contrast") ? &p.contrast
                           : name == QLatin1String("red")      ? &p.red
                           : name == QLatin1String("green")    ? &p.green
                                                               : &p.blue;
            *target = *v;
        }
    }

    QStringList words = parser.positionalArguments();
    if (words.isEmpty())
        return Usage(QCoreApplication::translate("CommandLine", "no command given"));
    const QString command = words.takeFirst();
    const auto shape = Commands().find(command);
    if (shape == Commands().end())
        return Usage(QCoreApplication::translate("CommandLine", "unknown command %1").arg(command));
    if (words.size() != shape->second.files)
        return Usage(QCoreApplication::translate("CommandLine", shape->second.usage));
    line.command = shape->second.command;
    line.files = words;
    // A server needs a user; a file has no use for the server's options.
    const bool server = (line.command == CommandLine::Command::Import || line.command == CommandLine::Command::AddressBooks) &&
                        IsServerAddress(words[0]);
    if (line.command == CommandLine::Command::AddressBooks && !server)
        return Usage(QCoreApplication::translate("CommandLine", "addressbooks takes an http:// or https:// address"));
    if (server && request.server.user.isEmpty())
        return Usage(QCoreApplication::translate("CommandLine", "a server's address needs --user NAME"));
    if (!server && request.server.AnyGiven())
        return Usage(QCoreApplication::translate(
            "CommandLine", "--user, --password-file, --ca-file and --save-password are for an address on a server"));
    if (line.command == CommandLine::Command::Picture) {
        const QString suffix = QFileInfo(words[1]).suffix().toLower();
        if (suffix != QLatin1String("png") && suffix != QLatin1String("bmp"))
            return Usage(QCoreApplication::translate("CommandLine", "picture writes a .png or a .bmp file"));
    }
    return r;
}

int RunCommandLine(const CommandLine& line, CommandConsole console)
{
    console.assumeYes = console.assumeYes || line.assumeYes;
    using Command = CommandLine::Command;
    if (!line.NeedsHandset()) {
        switch (line.command) {
        case Command::Show: return RunShowCommand(console, line.files[0]);
        case Command::Import:
            return RunImportCommand(console, line.files[0], line.files[1], line.importRequest);
        case Command::Export: return RunExportCommand(console, line.files[0], line.files[1]);
        case Command::Backups: return RunBackupsCommand(console);
        case Command::AddressBooks: return RunAddressBooksCommand(console, line.files[0], line.importRequest.server);
        default: return RunPictureCommand(console, line.files[0], line.files[1], line.picture);
        }
    }

    SimulatedHandset sim;
    if (line.simulate) {
        std::string error;
        if (!sim.Start(SimConfig{}, &error)) {
            std::fprintf(console.err, "dialbook: %s\n", error.c_str());
            return 1;
        }
    }
    HandsetLink link;
    link.Init(nullptr, HANDSET_VENDOR_ID);
    switch (line.command) {
    case Command::Devices: return RunDevicesCommand(console.out);
    case Command::Info: return RunInfoCommand(console);
    case Command::Pull: return RunPullCommand(console, line.files[0]);
    case Command::Push: return RunPushCommand(console, line.files[0], !line.noBackup);
    case Command::Sync: return RunSyncCommand(console, line.files[0], line.syncRequest);
    case Command::SendPicture: return RunSendPictureCommand(console, line.files[0], line.picture);
    case Command::Show:
    case Command::Picture:
    case Command::Import:
    case Command::Export:
    case Command::Backups:
    case Command::AddressBooks: break;
    }
    return 1;
}
