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
//
// On both buses, a sync of a full book: the handset's 100 entries received, merged with the
// computer's 100 against the base, and the result sent, against a receive and a send of the same
// books, run in turns from the same start; and the time the sync then takes to keep its base. And
// the merge alone: plan and apply of 100 entries against 100 with a base, against copying the
// three books.

#include "sim/SimHandset.h"
#include "sim/SimHandsetServer.h"

#include "core/common/Event.h"
#include "core/common/NullProgress.h"
#include "core/handset/HandsetFolder.h"
#include "core/handset/HandsetIds.h"
#include "core/handset/HandsetLink.h"
#include "core/handset/ReportCodec.h"
#include "core/phonebook/Phonebook.h"
#include "core/phonebook/PhonebookFile.h"
#include "core/phonebook/PhonebookMerge.h"
#include "core/phonebook/PhonebookSend.h"
#include "core/phonebook/PhonebookSync.h"
#include "core/phonebook/PhonebookTransfer.h"
#include "core/phonebook/SyncBases.h"
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

PhonebookEntry Contact(const std::string& name, const std::string& number)
{
    PhonebookEntry e;
    e.name = name;
    e.number = number;
    return e;
}

// A full book: the base of the last sync; the handset's and the computer's each with a few edits
// of their own, so that the merge has changes of every kind to pair and place.
struct SyncBooks {
    std::vector<PhonebookEntry> base, handset, computer;

    SyncBooks()
    {
        for (int i = 1; i <= kBookEntries; ++i)
            base.push_back(Contact("Contact " + std::to_string(i), "555" + std::to_string(1000 + i)));
        // Changed: every tenth entry's number on the handset, the entries between them renamed on
        // the computer. Deleted: five others on each side. Five added on each side.
        for (std::size_t i = 0; i < base.size(); ++i) {
            PhonebookEntry h = base[i];
            PhonebookEntry c = base[i];
            if (i % 10 == 0)
                h.number = "444" + std::to_string(1000 + i);
            if (i % 10 == 5)
                c.name = "Renamed " + std::to_string(i);
            if (i % 20 != 1)
                handset.push_back(h);
            if (i % 20 != 2)
                computer.push_back(c);
        }
        for (int i = 0; i < 5; ++i) {
            handset.push_back(Contact("Handset new " + std::to_string(i), "666" + std::to_string(1000 + i)));
            computer.push_back(Contact("Computer new " + std::to_string(i), "777" + std::to_string(1000 + i)));
        }
    }
};

Phonebook BookOf(const std::vector<PhonebookEntry>& entries, const HandsetIdentity& identity)
{
    Phonebook book;
    for (const PhonebookEntry& e : entries)
        book.Append(e);
    book.SetIdentity(identity);
    return book;
}

struct SyncTimes {
    double sync = 0;
    double receiveAndSend = 0;
    double keepBase = 0;
};

// A sync (its receive, merge and send) against a receive and a send of the same books, each
// round from the same start: the handset's book as it was, and the base kept. Then keeping the
// result as the next base, which the sync does after that: a file written and flushed to disk.
// Median wall times in ms.
SyncTimes MeasureSync(Handset& h, const QString& folder, int rounds, bool& ok)
{
    const SyncBooks books;
    const HandsetIdentity identity = HandsetIdentity::FromBytes(h.handset.Config().identity);
    const QString handsetFile = folder + QStringLiteral("/sync-handset.opbk");
    ok = PhonebookFile::Save(handsetFile, BookOf(books.handset, identity)) == Msg::Ok && ok;
    const Phonebook base = BookOf(books.base, identity);
    // As a book synced with this handset before carries its identity.
    const Phonebook computer = BookOf(books.computer, identity);
    const QString bookFile = folder + QStringLiteral("/sync-book.opbk");
    const auto reset = [&] {
        std::string error;
        ok = h.handset.LoadPhonebook(handsetFile.toStdString(), &error, true) && ok;
        ok = SyncBases::Save(base, bookFile) == Msg::Ok && ok;
    };
    reset();
    // What the sync sends, for the plain send to send too.
    Phonebook merged;
    {
        NullProgress progress;
        PhonebookSync probe(computer, bookFile);
        ok = probe.Receive(progress) == Msg::Ok && probe.SendNeeded() && ok;
        merged = probe.Merged();
    }
    std::vector<double> syncs, plain, keeps;
    for (int i = 0; i < rounds; ++i) {
        reset();
        NullProgress progress;
        PhonebookSync sync(computer, bookFile);
        syncs.push_back(MedianMs(1, [&] {
            ok = sync.Receive(progress) == Msg::Ok && ok;
            ok = sync.Send(progress, false, false) == Msg::Ok && sync.LastSend() && ok;
        }));
        keeps.push_back(MedianMs(1, [&] { ok = sync.KeepBase() == Msg::Ok && ok; }));
        reset();
        plain.push_back(MedianMs(1, [&] {
            NullProgress progress;
            PhonebookTransfer transfer;
            transfer.SetProgressDialog(&progress);
            Phonebook received;
            ok = HandsetOperation::Run(progress, [&] { return transfer.ReceivePhonebook(received); }) == Msg::Ok && ok;
            PhonebookSend send(merged);
            ok = send.Run(progress, false) == Msg::Ok && ok;
        }));
    }
    ok = h.handset.Phonebook().size() == merged.Count() && ok;
    const auto median = [](std::vector<double>& v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    return {median(syncs), median(plain), median(keeps)};
}

void PrintSync(const SyncTimes& t)
{
    std::printf("  %d-entry receive and send     %8.2f ms\n", kBookEntries, t.receiveAndSend);
    std::printf("  %d-entry sync                 %8.2f ms   ratio %5.3f to the receive and send (goal <= 1.05)\n",
                kBookEntries, t.sync, t.sync / t.receiveAndSend);
    std::printf("  then the base kept            %8.2f ms\n", t.keepBase);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    HandsetFolder::SetOverride(folder.path().toStdString());
    // The sync keeps its base in the program's state folder: here, not in the user's.
    qputenv("XDG_STATE_HOME", folder.filePath(QStringLiteral("state")).toUtf8());
    Engines engines;
    engines.link.Init(nullptr, HANDSET_VENDOR_ID);
    bool ok = true;

    const double baseline = MedianMs(kRounds, Baseline);
    std::pair<double, double> send, receive;
    double bookNone = 0;
    double bookHostUs = 0;
    SyncTimes syncNone;
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
        syncNone = MeasureSync(h, folder.path(), 31, ok);
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
    std::printf("bus none, sync, median of 31 rounds:\n");
    PrintSync(syncNone);

    // The bus alone: a command and its reply, then one 1 ms frame per data report; a phone
    // book is the information, the count and each record, each a command and a reply.
    const double pictureBound = 2.0 + static_cast<double>(kPictureReports);
    const double bookBound = 2.0 * (2 + kBookEntries);
    double picture = 0, book = 0;
    SyncTimes syncFull;
    {
        Handset h(folder.path(), SimBus::FullSpeed);
        ok = ok && h.ok;
        for (int i = 1; i <= kBookEntries; ++i)
            h.handset.AddContact("Contact " + std::to_string(i), "555" + std::to_string(1000 + i));
        picture = MedianMs(3, [&] { ok = engines.Send() && ok; });
        book = MedianMs(3, [&] { ok = ReceiveBook(nullptr) && ok; });
        syncFull = MeasureSync(h, folder.path(), 5, ok);
    }
    std::printf("bus full-speed, median of 3 rounds:\n");
    std::printf("  picture send                   %8.2f ms   ratio %5.3f to the bus's %.0f ms (goal <= 1.02)\n",
                picture, picture / pictureBound, pictureBound);
    std::printf("  %d-entry phone book receive   %8.2f ms   ratio %5.3f to the bus's %.0f ms (goal <= 1.05)\n",
                kBookEntries, book, book / bookBound, bookBound);
    std::printf("bus full-speed, sync, median of 5 rounds:\n");
    PrintSync(syncFull);

    // The merge alone, as the sync runs it between the receive and the send.
    const SyncBooks books;
    std::size_t mergedCount = 0;
    const auto [merge, copies] = MedianPairMs(
        301,
        [&] {
            const MergePlan plan = PhonebookMerge::Plan(&books.base, books.handset, books.computer);
            mergedCount = PhonebookMerge::Apply(plan).size();
        },
        [&] {
            // What the plan starts with: its own copies of the three books.
            const SyncBooks copy = books;
            mergedCount += copy.computer.size() > kBookEntries ? 1 : 0;
        });
    ok = mergedCount == kBookEntries && ok;
    std::printf("merge of %d against %d entries with a base, median of 301 rounds:\n", kBookEntries, kBookEntries);
    std::printf("  baseline (three books copied) %8.4f ms\n", copies);
    std::printf("  plan and apply                %8.4f ms   ratio %5.1f   (goal < 1 ms)\n", merge, merge / copies);
    return ok ? 0 : 1;
}
