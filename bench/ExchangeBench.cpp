// How much the exchange machinery costs on top of moving the same reports through a socket.
//
// Baseline: a picture's worth of 64-byte reports written to a socket pair and read on the
// other side by a thread. Measured: the same picture sent to the simulated handset with the
// send engine (open, hello, drain, command, reply, data reports), and the same bytes received.

#include "sim/SimHandset.h"
#include "sim/SimHandsetServer.h"

#include "core/common/Event.h"
#include "core/handset/HandsetLink.h"
#include "core/handset/HandsetFolder.h"
#include "core/handset/HandsetIds.h"
#include "core/transfer/ProtocolCodes.h"

#include "MedianMs.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

namespace {

constexpr std::size_t kPictureBytes = 4 + 128 * 128 * 2;
constexpr int kReportLength = 64;
constexpr int kRounds = 7;

void Baseline()
{
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, fds) != 0)
        return;
    const std::size_t reports = (kPictureBytes + kReportLength - 2) / (kReportLength - 1);
    std::thread reader([&] {
        std::array<char, 4098> buf;
        for (std::size_t i = 0; i < reports; ++i)
            if (::recv(fds[1], buf.data(), buf.size(), 0) <= 0)
                break;
    });
    std::array<char, kReportLength> report{2};
    for (std::size_t i = 0; i < reports; ++i)
        if (::send(fds[0], report.data(), report.size(), 0) < 0)
            break;
    reader.join();
    ::close(fds[0]);
    ::close(fds[1]);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    HandsetFolder::SetOverride(folder.path().toStdString());

    SimConfig config;
    config.inLen = config.outLen = kReportLength;
    config.pictureCapacity = 1000;
    config.bus = SimBus::None;
    SimHandset handset(config);
    SimHandsetServer server(handset, folder.path().toStdString(), "bench");
    std::string error;
    if (!server.Start(&error)) {
        std::fprintf(stderr, "bench: %s\n", error.c_str());
        return 1;
    }
    HandsetLink link;
    link.Init(nullptr, HANDSET_VENDOR_ID);

    const std::vector<std::uint8_t> picture(kPictureBytes, 0x5A);
    handset.SetReadData(FN_READ_RECORD, CLASS_PHONEBOOK, 0, picture);
    Event cancel(Event::Mode::ManualReset);
    bool ok = true;

    const double baseline = MedianMs(kRounds, Baseline);
    const double send = MedianMs(kRounds, [&] {
        const std::array<std::uint8_t, 8> p{0x04, 0x80, 0, 0, CLASS_IMAGE, 0, 0, 0};
        std::vector<std::uint8_t> reply;
        ExchangeRequest r;
        r.op = OP_WRITE;
        r.function = FN_WRITE_IMAGE;
        r.parameters = p;
        r.data = picture;
        r.reply = &reply;
        r.cancel = &cancel;
        ok = ok && link.SendExchange(r) == Msg::Ok;
    });
    const double receive = MedianMs(kRounds, [&] {
        const std::array<std::uint8_t, 8> p{4, 0, 0, 0, CLASS_PHONEBOOK, 0, 0, 0};
        std::vector<std::uint8_t> data;
        ExchangeRequest r;
        r.op = OP_READ;
        r.function = FN_READ_RECORD;
        r.parameters = p;
        r.received = &data;
        r.cancel = &cancel;
        ok = ok && link.ReceiveExchange(r) == Msg::Ok && data.size() == picture.size();
    });
    server.Stop();

    std::printf("picture of %zu bytes in %d-byte reports, median of %d rounds\n", kPictureBytes, kReportLength,
                kRounds);
    std::printf("  baseline (raw socket pair)   %8.2f ms\n", baseline);
    std::printf("  send engine to simulator     %8.2f ms   ratio %.2f\n", send, send / baseline);
    std::printf("  receive engine from simulator%8.2f ms   ratio %.2f\n", receive, receive / baseline);
    return ok ? 0 : 1;
}
