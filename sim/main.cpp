// orvak-handset-sim: one simulated handset, until stopped (Ctrl+C) or unplugged by a fault.

#include "sim/SimHandset.h"
#include "sim/SimHandsetServer.h"

#include "core/common/Cp1252.h"
#include "core/handset/HandsetFolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <signal.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <optional>

namespace {

std::optional<long> Number(const QString& text, long min, long max)
{
    bool ok = false;
    const long v = text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive) ? text.mid(2).toLong(&ok, 16)
                                                                                : text.toLong(&ok, 10);
    if (!ok || v < min || v > max)
        return std::nullopt;
    return v;
}

[[noreturn]] void Fail(const QString& message)
{
    std::fprintf(stderr, "orvak-handset-sim: %s\n", qPrintable(message));
    std::exit(2);
}

long Require(const QCommandLineParser& p, const QString& name, long min, long max)
{
    const auto v = Number(p.value(name), min, max);
    if (!v)
        Fail(QStringLiteral("--%1 takes a number from %2 to %3").arg(name).arg(min).arg(max));
    return *v;
}

}  // namespace

int main(int argc, char** argv)
{
    // Signals are taken by sigtimedwait below; every thread started later inherits the mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvak-handset-sim"));
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "A simulated Orvak handset. The program finds it like a handset on USB as long as this runs."));
    p.addHelpOption();
    const QList<QCommandLineOption> options = {
        {QStringLiteral("name"), QStringLiteral("Handset name (up to 16 characters)."), QStringLiteral("NAME"),
         QStringLiteral("Orvak Handset")},
        {QStringLiteral("identity"), QStringLiteral("Handset identity, 12 hex digits."), QStringLiteral("HEX")},
        {{QStringLiteral("product-id"), QStringLiteral("product")},
         QStringLiteral("USB product id (default 0x18F8); 0x1849 and 0x18D2 are the other models."),
         QStringLiteral("ID")},
        {QStringLiteral("vendor-id"), QStringLiteral("USB vendor id (default 0x3E5A)."), QStringLiteral("ID")},
        {QStringLiteral("report-length"), QStringLiteral("Both report lengths, 11 to 4097 (default 64)."),
         QStringLiteral("N")},
        {QStringLiteral("in-length"), QStringLiteral("Input report length, 11 to 4097."), QStringLiteral("N")},
        {QStringLiteral("out-length"), QStringLiteral("Output report length, 11 to 4097."), QStringLiteral("N")},
        {QStringLiteral("bus"),
         QStringLiteral("How fast reports cross: full-speed (USB full speed, ceil(n / 64) ms for a report of n "
                        "bytes, the default) or none (as fast as possible)."),
         QStringLiteral("SPEED"), QStringLiteral("full-speed")},
        {QStringLiteral("pace"), QStringLiteral("Reports per second in each direction, whatever --bus says."),
         QStringLiteral("N")},
        {QStringLiteral("phonebook"),
         QStringLiteral("Start with the phone book of this .opbk file, and its identity unless --identity is given."),
         QStringLiteral("FILE")},
        {{QStringLiteral("pictures"), QStringLiteral("picture-folder")},
         QStringLiteral("Save received pictures here as PNG files."), QStringLiteral("DIR")},
        {QStringLiteral("picture-capacity"), QStringLiteral("Pictures the handset can hold (default 32)."),
         QStringLiteral("N")},
        {QStringLiteral("refuse"), QStringLiteral("Refuse every command with this code."), QStringLiteral("CODE")},
        {QStringLiteral("no-reply"), QStringLiteral("Answer no command.")},
        {QStringLiteral("stall-after"), QStringLiteral("Stall after K data reports of an exchange."),
         QStringLiteral("K")},
        {QStringLiteral("unsolicited-after"),
         QStringLiteral("Stop a download with a report of its own after K data reports."), QStringLiteral("K")},
        {QStringLiteral("unsolicited-code"), QStringLiteral("Refusal code of that report (default 7)."),
         QStringLiteral("CODE")},
        {QStringLiteral("disconnect-after"), QStringLiteral("Unplug after K reports of a connection."),
         QStringLiteral("K")},
        {QStringLiteral("folder"), QStringLiteral("Folder for the socket (default: the handset folder)."),
         QStringLiteral("DIR")},
        {QStringLiteral("socket"), QStringLiteral("Socket name, without .sock."), QStringLiteral("NAME")},
    };
    p.addOptions(options);
    p.process(app);

    SimConfig c;
    // The handset keeps its name in Windows-1252, as it arrives over USB.
    const auto name = Cp1252::FromUnicode(p.value(QStringLiteral("name")));
    if (!name)
        Fail(QStringLiteral("--name takes only characters the handset can show (Windows-1252)"));
    c.name = *name;
    if (c.name.size() > 16)
        Fail(QStringLiteral("--name takes at most 16 characters"));
    if (p.isSet(QStringLiteral("identity"))) {
        const QByteArray hex = QByteArray::fromHex(p.value(QStringLiteral("identity")).toLatin1());
        if (hex.size() != 6 || p.value(QStringLiteral("identity")).size() != 12)
            Fail(QStringLiteral("--identity takes 12 hex digits"));
        std::copy_n(hex.begin(), std::min<std::size_t>(c.identity.size(), static_cast<std::size_t>(hex.size())),
                    c.identity.begin());
    }
    if (p.isSet(QStringLiteral("product-id")))
        c.productId = static_cast<std::uint16_t>(Require(p, QStringLiteral("product-id"), 0, 0xFFFF));
    if (p.isSet(QStringLiteral("vendor-id")))
        c.vendorId = static_cast<std::uint16_t>(Require(p, QStringLiteral("vendor-id"), 0, 0xFFFF));
    if (p.isSet(QStringLiteral("report-length")))
        c.inLen = c.outLen = static_cast<int>(Require(p, QStringLiteral("report-length"), 11, 4097));
    if (p.isSet(QStringLiteral("in-length")))
        c.inLen = static_cast<int>(Require(p, QStringLiteral("in-length"), 11, 4097));
    if (p.isSet(QStringLiteral("out-length")))
        c.outLen = static_cast<int>(Require(p, QStringLiteral("out-length"), 11, 4097));
    const QString bus = p.value(QStringLiteral("bus"));
    if (bus != QLatin1String("full-speed") && bus != QLatin1String("none"))
        Fail(QStringLiteral("--bus takes full-speed or none"));
    c.bus = bus == QLatin1String("none") ? SimBus::None : SimBus::FullSpeed;
    if (p.isSet(QStringLiteral("pace")))
        c.pace = static_cast<int>(Require(p, QStringLiteral("pace"), 0, 1000000));
    c.pictureFolder = p.value(QStringLiteral("pictures")).toStdString();
    if (p.isSet(QStringLiteral("picture-capacity")))
        c.pictureCapacity = static_cast<int>(Require(p, QStringLiteral("picture-capacity"), 0, 255));
    if (p.isSet(QStringLiteral("refuse")))
        c.faults.refuseCode = static_cast<int>(Require(p, QStringLiteral("refuse"), 1, 255));
    c.faults.noReply = p.isSet(QStringLiteral("no-reply"));
    if (p.isSet(QStringLiteral("stall-after")))
        c.faults.stallAfter = static_cast<int>(Require(p, QStringLiteral("stall-after"), 0, 1 << 30));
    if (p.isSet(QStringLiteral("unsolicited-after")))
        c.faults.unsolicitedAfter = static_cast<int>(Require(p, QStringLiteral("unsolicited-after"), 1, 1 << 30));
    if (p.isSet(QStringLiteral("unsolicited-code")))
        c.faults.unsolicitedCode = static_cast<std::uint8_t>(Require(p, QStringLiteral("unsolicited-code"), 0, 255));
    if (p.isSet(QStringLiteral("disconnect-after")))
        c.faults.disconnectAfter = static_cast<int>(Require(p, QStringLiteral("disconnect-after"), 0, 1 << 30));

    SimHandset handset(c);
    if (p.isSet(QStringLiteral("phonebook"))) {
        std::string error;
        // The file's identity is the handset's, unless --identity says otherwise.
        if (!handset.LoadPhonebook(p.value(QStringLiteral("phonebook")).toStdString(), &error,
                                   p.isSet(QStringLiteral("identity"))))
            Fail(QString::fromStdString(error));
    }

    const std::string folder =
        p.isSet(QStringLiteral("folder")) ? p.value(QStringLiteral("folder")).toStdString() : HandsetFolder::Path();
    std::string socketName = p.value(QStringLiteral("socket")).toStdString();
    if (socketName.empty()) {
        for (char ch : c.name)
            socketName += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '-';
        socketName += '-';
        socketName += std::to_string(::getpid());
    }
    if (socketName.find('/') != std::string::npos)
        Fail(QStringLiteral("--socket takes a name, not a path"));

    SimHandsetServer server(handset, folder, socketName);
    std::string error;
    if (!server.Start(&error))
        Fail(QString::fromStdString(error));
    std::printf("Simulated handset \"%s\" (%04x:%04x, in %d / out %d) at %s\nStop it with Ctrl+C.\n",
                qPrintable(Cp1252::ToUnicode(c.name)), c.vendorId, c.productId, c.inLen, c.outLen, server.SocketPath().c_str());
    std::fflush(stdout);

    const timespec slice{0, 200 * 1000 * 1000};
    while (!server.Unplugged()) {
        if (sigtimedwait(&stopSignals, nullptr, &slice) > 0)
            break;
    }
    const bool unplugged = server.Unplugged();
    server.Stop();
    std::printf(unplugged ? "Handset unplugged (fault).\n" : "Handset stopped.\n");
    return 0;
}
