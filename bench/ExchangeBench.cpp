// What the exchange machinery costs.
//
// As fast as the sockets go (--bus none): a picture's worth of 64-byte reports sent to the
// simulated handset with the send engine (open, hello, drain, command, reply, data reports),
// and the same bytes received, against moving the reports through a bare socket pair. Also the
// program's own time per report: the CPU time of the thread that runs the engine.
//
// A 100-entry phone book received as the program receives it: one operation, one connection, on
// a worker; the wall time per exchange and the program's own time per exchange (the CPU time of
// the operation's thread; the simulated handset's time is not the program's).
//
// On the full-speed bus: a picture sent and a 100-entry phone book received, against the time
// the bus itself needs (1 ms per 64-byte report in each direction).

#include "sim/SimHandset.h"
#include "sim/SimHandsetServer.h"

#include "core/common/Event.h"
#include "core/common/NullProgress.h"
#include "core/handset/HandsetFolder.h"
#include "core/handset/HandsetIds.h"
#include "core/handset/HandsetLink.h"
#include "core/handset/ReportCodec.h"
#include "core/phonebook/Phonebook.h"
#include "core/phonebook/PhonebookTransfer.h"
#include "core/transfer/HandsetOperation.h"
#include "core/transfer/ProtocolCodes.h"

#include "MedianMs.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace {

constexpr std::size_t kPictureBytes = 4 + 128 * 128 * 2;
constexpr int kReportLength = 64;
constexpr int kRounds = 7;
constexpr int kBookEntries = 100;

const std::uint64_t kPictureReports = ReportCodec::CountDataReports(kPictureBytes, kReportLength);

void Baseline()
{
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, fds) != 0)
        return;
    std::thread reader([&] {
        std::array<char, 4098> buf;
        for (std::size_t i = 0; i < kPictureReports; ++i)
            if (::recv(fds[1], buf.data(), buf.size(), 0) <= 0)
                break;
    });
    std::array<char, kReportLength> report{2};
    for (std::size_t i = 0; i < kPictureReports; ++i)
        if (::send(fds[0], report.data(), report.size(), 0) < 0)
            break;
    reader.join();
    ::close(fds[0]);
    ::close(fds[1]);
}

double ThreadCpuMs()
{
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// One simulated handset on its own folder, for as long as it lives.
struct Handset {
    explicit Handset(const QString& folder, SimBus bus) : handset(Config(bus)), server(handset, folder.toStdString(), "bench")
    {
        std::string error;
        ok = server.Start(&error);
        if (!ok)
            std::fprintf(stderr, "bench: %s\n", error.c_str());
        std::uint16_t product = 0;
        HandsetLink::FindHandset(product, true);
    }
    ~Handset() { server.Stop(); }
    static SimConfig Config(SimBus bus)
    {
        SimConfig c;
        c.inLen = c.outLen = kReportLength;
        c.pictureCapacity = 1000;
        c.bus = bus;
        return c;
    }
    SimHandset handset;
    SimHandsetServer server;
    bool ok = false;
};

struct Engines {
    HandsetLink link;
    Event cancel{Event::Mode::ManualReset};
    std::vector<std::uint8_t> picture = std::vector<std::uint8_t>(kPictureBytes, 0x5A);

    bool Send()
    {
        const std::array<std::uint8_t, 8> p{0x04, 0x80, 0, 0, CLASS_IMAGE, 0, 0, 0};
        std::vector<std::uint8_t> reply;
        ExchangeRequest r;
        r.op = OP_WRITE;
        r.function = FN_WRITE_IMAGE;
        r.parameters = p;
        r.data = picture;
        r.reply = &reply;
        r.cancel = &cancel;
        return link.SendExchange(r) == Msg::Ok;
    }
    bool Receive()
    {
        const std::array<std::uint8_t, 8> p{4, 0, 0, 0, CLASS_PHONEBOOK, 0, 0, 0};
        std::vector<std::uint8_t> data;
        ExchangeRequest r;
        r.op = OP_READ;
        r.function = FN_READ_RECORD;
        r.parameters = p;
        r.received = &data;
        r.cancel = &cancel;
        return link.ReceiveExchange(r) == Msg::Ok && data.size() == picture.size();
    }
};

// The information, the count and every record: the exchanges of a receive.
constexpr int kBookExchanges = 2 + kBookEntries;

// One receive of the whole book as an operation; adds the operation thread's CPU time in ms.
bool ReceiveBook(double* cpuMs)
{
    NullProgress progress;
    PhonebookTransfer transfer;
    transfer.SetProgressDialog(&progress);
    Phonebook book;
    const Msg m = HandsetOperation::Run(progress, [&] {
        const double before = ThreadCpuMs();
        const Msg r = transfer.ReceivePhonebook(book);
        if (cpuMs)
            *cpuMs += ThreadCpuMs() - before;
        return r;
    });
    return m == Msg::Ok && book.Count() == kBookEntries;
}

// Median wall time in ms, and the engine thread's median CPU time per report in microseconds.
std::pair<double, double> Measure(const std::function<bool()>& work, bool& ok)
{
    std::vector<double> cpu;
    const double wall = MedianMs(kRounds, [&] {
        const double before = ThreadCpuMs();
        ok = work() && ok;
        cpu.push_back((ThreadCpuMs() - before) * 1000.0 / static_cast<double>(kPictureReports));
    });
    std::sort(cpu.begin(), cpu.end());
    return {wall, cpu[cpu.size() / 2]};
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    HandsetFolder::SetOverride(folder.path().toStdString());
    Engines engines;
    engines.link.Init(nullptr, HANDSET_VENDOR_ID);
    bool ok = true;

    const double baseline = MedianMs(kRounds, Baseline);
    std::pair<double, double> send, receive;
    double bookNone = 0;
    double bookHostUs = 0;
    {
        Handset h(folder.path(), SimBus::None);
        h.handset.SetReadData(FN_READ_RECORD, CLASS_PHONEBOOK, 0, engines.picture);
        ok = ok && h.ok;
        send = Measure([&] { return engines.Send(); }, ok);
        receive = Measure([&] { return engines.Receive(); }, ok);
        for (int i = 1; i <= kBookEntries; ++i)
            h.handset.AddContact("Contact " + std::to_string(i), "555" + std::to_string(1000 + i));
        std::vector<double> cpu;
        bookNone = MedianMs(kRounds, [&] {
            double ms = 0;
            ok = ReceiveBook(&ms) && ok;
            cpu.push_back(ms);
        });
        std::sort(cpu.begin(), cpu.end());
        bookHostUs = cpu[cpu.size() / 2] * 1000.0 / kBookExchanges;
    }
    std::printf("picture of %zu bytes in %llu %d-byte reports, median of %d rounds\n", kPictureBytes,
                static_cast<unsigned long long>(kPictureReports), kReportLength, kRounds);
    std::printf("bus none:\n");
    std::printf("  baseline (raw socket pair)     %8.2f ms\n", baseline);
    std::printf("  send engine to simulator       %8.2f ms   ratio %5.2f   host %5.1f us/report (goal <= 20)\n",
                send.first, send.first / baseline, send.second);
    std::printf("  receive engine from simulator  %8.2f ms   ratio %5.2f   host %5.1f us/report (goal <= 20)\n",
                receive.first, receive.first / baseline, receive.second);

    std::printf("  %d-entry phone book receive   %8.2f ms   %5.1f us per exchange, of them the program's own %5.1f "
                "(goal <= 30)\n",
                kBookEntries, bookNone, bookNone * 1000.0 / kBookExchanges, bookHostUs);

    // The bus alone: a command and its reply, then one 1 ms frame per data report; a phone
    // book is the information, the count and each record, each a command and a reply.
    const double pictureBound = 2.0 + static_cast<double>(kPictureReports);
    const double bookBound = 2.0 * (2 + kBookEntries);
    double picture = 0, book = 0;
    {
        Handset h(folder.path(), SimBus::FullSpeed);
        ok = ok && h.ok;
        for (int i = 1; i <= kBookEntries; ++i)
            h.handset.AddContact("Contact " + std::to_string(i), "555" + std::to_string(1000 + i));
        picture = MedianMs(3, [&] { ok = engines.Send() && ok; });
        book = MedianMs(3, [&] { ok = ReceiveBook(nullptr) && ok; });
    }
    std::printf("bus full-speed, median of 3 rounds:\n");
    std::printf("  picture send                   %8.2f ms   ratio %5.3f to the bus's %.0f ms (goal <= 1.02)\n",
                picture, picture / pictureBound, pictureBound);
    std::printf("  %d-entry phone book receive   %8.2f ms   ratio %5.3f to the bus's %.0f ms (goal <= 1.05)\n",
                kBookEntries, book, book / bookBound, bookBound);
    return ok ? 0 : 1;
}
