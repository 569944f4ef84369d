// Finding the handset among the devices, and noticing it come and go.

#include "support/DeniedDeviceSource.h"
#include "support/SimFixture.h"

#include "core/common/AppEvents.h"
#include "core/handset/DeviceMonitor.h"
#include "core/handset/HandsetAccessAdvice.h"
#include "core/handset/HandsetFolder.h"
#include "core/handset/HandsetIds.h"
#include "core/handset/HidrawSource.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <sys/socket.h>
#include <sys/un.h>

#include <filesystem>
#include <fstream>

namespace {

// Counts the handset notices the main window would get.
class NoticeCounter : public QObject {
public:
    int notices = 0;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == HandsetChangedEvent) {
            ++notices;
            return true;
        }
        return QObject::event(e);
    }
};

SimConfig Model(std::uint16_t product, std::uint16_t vendor = HANDSET_VENDOR_ID)
{
    SimConfig c;
    c.productId = product;
    c.vendorId = vendor;
    return c;
}

bool WaitFor(const std::function<bool()>& done, int ms = 5000)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (done())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return done();
}

using Discovery = SimFixture;

TEST_F(Discovery, NothingThereMeansNotFound)
{
    std::uint16_t product = 0xFFFF;
    EXPECT_FALSE(HandsetLink::FindHandset(product, true));
    EXPECT_FALSE(HandsetLink::FindHandset(product, false));
    EXPECT_EQ(product, 0);
    EXPECT_EQ(HandsetLink::OpenHandset(), nullptr);
}

TEST_F(Discovery, FindsTheHandsetAndRemembersIt)
{
    StartHandset(Model(kProductId6392));
    std::uint16_t product = 0;
    EXPECT_TRUE(HandsetLink::FindHandset(product, true));
    EXPECT_EQ(product, kProductId6392);
    StopHandset(0);
    // Without a rescan the answer is the remembered one; a rescan learns it has gone.
    product = 0;
    EXPECT_TRUE(HandsetLink::FindHandset(product, false));
    EXPECT_EQ(product, kProductId6392);
    EXPECT_FALSE(HandsetLink::FindHandset(product, true));
    EXPECT_FALSE(HandsetLink::FindHandset(product, false));
}

TEST_F(Discovery, UnknownModelIsFoundButNotOpened)
{
    StartHandset(Model(0x1234));
    std::uint16_t product = 0;
    EXPECT_TRUE(HandsetLink::FindHandset(product, true));
    EXPECT_EQ(product, 0x1234);
    EXPECT_FALSE(HandsetLink::IsAcceptedDevice(HANDSET_VENDOR_ID, 0x1234));
    EXPECT_EQ(HandsetLink::OpenHandset(), nullptr);
}

TEST_F(Discovery, AcceptedModelsAndVendor)
{
    for (std::uint16_t p : {kProductId6217, kProductId6354, kProductId6392})
        EXPECT_TRUE(HandsetLink::IsAcceptedDevice(HANDSET_VENDOR_ID, p));
    EXPECT_FALSE(HandsetLink::IsAcceptedDevice(0x1234, kProductId6392));
    EXPECT_FALSE(HandsetLink::IsAcceptedDevice(HANDSET_VENDOR_ID, 0));
}

TEST_F(Discovery, FirstDeviceOfTheVendorWinsAndOtherVendorsAreIgnored)
{
    StartHandset(Model(kProductId6392, 0x1111), "a-other-vendor");
    StartHandset(Model(kProductId6217), "b-first");
    StartHandset(Model(kProductId6392), "c-second");
    std::uint16_t product = 0;
    EXPECT_TRUE(HandsetLink::FindHandset(product, true));
    EXPECT_EQ(product, kProductId6217);
}

// A socket file nobody listens on, as a killed simulator leaves behind.
void MakeStaleSocket(const std::string& path)
{
    int fd = ::socket(AF_UNIX, SOCK_SEQPACKET, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", path.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ::close(fd);
}

TEST_F(Discovery, StaleSocketsAndStrayFilesAreSkipped)
{
    StartHandset(Model(kProductId6392), "c-real");
    MakeStaleSocket(Folder() + "/a-stale.sock");
    std::ofstream(Folder() + "/b-stray.sock") << "not a socket";

    std::uint16_t product = 0;
    EXPECT_TRUE(HandsetLink::FindHandset(product, true));
    EXPECT_EQ(product, kProductId6392);
    EXPECT_NE(HandsetLink::OpenHandset(), nullptr);
}

TEST_F(Discovery, ANewSimulatorClearsAwayStaleSockets)
{
    MakeStaleSocket(Folder() + "/a-stale.sock");
    StartHandset();
    EXPECT_FALSE(std::filesystem::exists(Folder() + "/a-stale.sock"));
    EXPECT_TRUE(std::filesystem::exists(Folder() + "/handset.sock"));
}

TEST_F(Discovery, WorkerInstancesLeaveTheSharedStateAlone)
{
    StartHandset(Model(kProductId6354));
    std::uint16_t product = 0;
    ASSERT_TRUE(HandsetLink::FindHandset(product, true));
    {
        HandsetLink worker;
        (void)worker;
    }
    EXPECT_EQ(HandsetLink::VendorId(), HANDSET_VENDOR_ID);
    EXPECT_TRUE(HandsetLink::FindHandset(product, false));
    EXPECT_EQ(product, kProductId6354);
}

TEST_F(Discovery, ScansDoNotDisturbTheHandset)
{
    SimHandset& h = StartHandset();
    std::uint16_t product = 0;
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(HandsetLink::FindHandset(product, true));
    EXPECT_TRUE(h.Commands().empty());
}

TEST_F(Discovery, ArrivalAndRemovalReachTheOwner)
{
    NoticeCounter owner;
    m_link.reset();
    m_link = std::make_unique<HandsetLink>();
    m_link->Init(&owner, HANDSET_VENDOR_ID);
    // The first scan runs off this thread and tells when it has ended, as every later one does.
    ASSERT_TRUE(WaitFor([&] { return owner.notices > 0; }));
    owner.notices = 0;

    // The socket appears under a hidden name and is then renamed: a notice may come for each,
    // and each follows a rescan.
    std::uint16_t product = 0;
    StartHandset(Model(kProductId6392));
    ASSERT_TRUE(WaitFor([&] { return owner.notices > 0 && HandsetLink::FindHandset(product, false); }));
    EXPECT_EQ(product, kProductId6392);

    owner.notices = 0;
    StopHandset(0);
    ASSERT_TRUE(WaitFor([&] { return owner.notices > 0; }));
    EXPECT_FALSE(HandsetLink::FindHandset(product, false));
}

TEST_F(Discovery, MonitorWatchesTheHandsetFolder)
{
    DeviceMonitor monitor;
    QSignalSpy spy(&monitor, &DeviceMonitor::devicesChanged);
    ASSERT_TRUE(monitor.Start());
    EXPECT_TRUE(monitor.WatchingFolder());
    StartHandset();
    EXPECT_TRUE(WaitFor([&] { return spy.count() > 0; }));
}

TEST_F(Discovery, AHandsetThisUserMayNotOpenIsToldApartUntilAHandsetOpens)
{
    m_link.reset();  // no device watch: its scans could outlive the refusing sources
    std::uint16_t product = 0;
    {
        // Another model of the maker's is no handset of ours, whether it opens or not.
        DeniedDeviceSource other(0x1234);
        EXPECT_FALSE(HandsetLink::FindHandset(product, true));
        EXPECT_EQ(HandsetLink::DeniedProductId(), 0);
    }
    DeniedDeviceSource denied(kProductId6354);
    EXPECT_FALSE(HandsetLink::FindHandset(product, true));
    EXPECT_EQ(product, 0);
    EXPECT_EQ(HandsetLink::DeniedProductId(), kProductId6354);
    EXPECT_EQ(HandsetLink::OpenHandset(), nullptr);
    const auto list = HandsetLink::ListDevices(HANDSET_VENDOR_ID);
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list[0].path, DeniedDeviceSource::kPath);
    EXPECT_FALSE(list[0].opened);
    EXPECT_TRUE(list[0].permissionDenied);
    EXPECT_EQ(list[0].caps.productId, kProductId6354);
    EXPECT_EQ(list[0].error, "permission denied");

    // A handset that opens wins, even behind the refused one; when it goes, the refused one is
    // what is left to tell of.
    StartHandset(Model(kProductId6392));
    EXPECT_TRUE(HandsetLink::FindHandset(product, false));
    EXPECT_EQ(product, kProductId6392);
    EXPECT_EQ(HandsetLink::DeniedProductId(), 0);
    StopHandset(0);
    EXPECT_FALSE(HandsetLink::FindHandset(product, true));
    EXPECT_EQ(HandsetLink::DeniedProductId(), kProductId6354);
    denied.Unplug();
    EXPECT_FALSE(HandsetLink::FindHandset(product, true));
    EXPECT_EQ(HandsetLink::DeniedProductId(), 0);
}

// A node this user may read but not write: found by a scan, refused by the exchange. It is told
// as a handset this user may not open, once, and not scanned for again and again.
TEST_F(Discovery, AHandsetReadableButNotWritableIsDeniedWithoutEndlessRescans)
{
    NoticeCounter owner;
    DeniedDeviceSource readable(kProductId6392, true);
    m_link.reset();
    m_link = std::make_unique<HandsetLink>();
    m_link->Init(&owner, HANDSET_VENDOR_ID);
    std::uint16_t product = 0;
    ASSERT_TRUE(WaitFor([&] { return owner.notices > 0 && HandsetLink::FindHandset(product, false); }));
    owner.notices = 0;

    ExchangeRequest r;
    std::vector<std::uint8_t> received;
    r.op = 2;
    r.function = 7;
    r.received = &received;
    EXPECT_EQ(m_link->ReceiveExchange(r), Msg::PhoneNotFound);
    EXPECT_TRUE(WaitFor([&] { return owner.notices > 0; }));
    EXPECT_FALSE(HandsetLink::FindHandset(product, false));
    EXPECT_EQ(HandsetLink::DeniedProductId(), kProductId6392);
    QCoreApplication::processEvents();
    const int notices = owner.notices;
    EXPECT_FALSE(WaitFor([&] { return owner.notices > notices; }, 300)) << "no rescan that finds it again";
    m_link.reset();
}

TEST_F(Discovery, ListingShowsEveryDeviceOfTheVendorWithItsState)
{
    StartHandset(Model(kProductId6392), "a");
    StartHandset(Model(0x1234), "b");
    StartHandset(Model(kProductId6392, 0x1111), "c");
    const auto list = HandsetLink::ListDevices(HANDSET_VENDOR_ID);
    std::vector<DeviceListing> ours;
    for (const auto& d : list)
        if (d.path.starts_with(Folder()))
            ours.push_back(d);
    ASSERT_EQ(ours.size(), 2u);
    EXPECT_TRUE(ours[0].accepted);
    EXPECT_EQ(ours[0].caps.inLen, 64);
    EXPECT_FALSE(ours[1].accepted);
    EXPECT_EQ(ours[1].caps.productId, 0x1234);
}

}  // namespace

TEST(HandsetAccessAdvice, NamesTheRuleInPlaceTheSourceTreesOrThePackages)
{
    QTemporaryDir root;
    const std::string etc = root.filePath(QStringLiteral("etc")).toStdString();
    const std::string lib = root.filePath(QStringLiteral("usr lib")).toStdString();
    const std::string source = root.filePath(QStringLiteral("my source")).toStdString();
    for (const std::string& folder : {etc, lib, source + "/resources/udev"})
        std::filesystem::create_directories(folder);
    const std::vector<std::string> ruleFolders = {etc, lib};

    // An installed program without the rule, its source tree far away: the package brings it.
    auto a = HandsetAccessAdvice::For(ruleFolders, "/nonexistent/source");
    EXPECT_EQ(a.GetRemedy(), HandsetAccessAdvice::Remedy::InstallPackage);
    EXPECT_EQ(a.RulePath(), "/usr/lib/udev/rules.d/70-orvak-dialbook.rules");
    QString text = a.Text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("An Orvak handset is plugged in, but this user may not open it.\n")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("package, whose udev rule /usr/lib/udev/rules.d/70-orvak-dialbook.rules")))
        << text.toStdString();

    // Run from the build tree: the commands install the source tree's rule, a path with a space
    // quoted so that they can be pasted as they are.
    std::ofstream(source + "/resources/udev/70-orvak-dialbook.rules") << "# rule\n";
    a = HandsetAccessAdvice::For(ruleFolders, source);
    EXPECT_EQ(a.GetRemedy(), HandsetAccessAdvice::Remedy::InstallFromSource);
    EXPECT_EQ(a.Commands(), "sudo install -m 644 '" + source +
                                "/resources/udev/70-orvak-dialbook.rules' /etc/udev/rules.d/ && "
                                "sudo udevadm control --reload-rules && sudo udevadm trigger --subsystem-match=hidraw");
    EXPECT_TRUE(a.Text().endsWith(QString::fromStdString(":\n" + a.Commands()))) << a.Text().toStdString();

    // The rule is in place, wherever udev reads it: only plugging the handset in again is missing.
    std::ofstream(lib + "/70-orvak-dialbook.rules") << "# rule\n";
    a = HandsetAccessAdvice::For(ruleFolders, source);
    EXPECT_EQ(a.GetRemedy(), HandsetAccessAdvice::Remedy::Replug);
    EXPECT_EQ(a.RulePath(), lib + "/70-orvak-dialbook.rules");
    HandsetAccessAdvice::Wording words{QStringLiteral("No."), QStringLiteral("Replug for %1."), {}, {}};
    EXPECT_EQ(a.Text(words), QString::fromStdString("No.\nReplug for " + lib + "/70-orvak-dialbook.rules."));
}

TEST(HidrawSource, SaysWhyANodeCannotBeUsed)
{
    HidrawSource source;
    const OpenResult missing = source.Open("/dev/hidraw-that-is-not-there", OpenMode::Query);
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.error.empty());
    EXPECT_EQ(missing.errorCode, ENOENT);
    // Not a HID device at all: the ioctl that reads the ids refuses.
    const OpenResult notHid = source.Open("/dev/null", OpenMode::Query);
    EXPECT_FALSE(notHid.ok);
    EXPECT_NE(notHid.error.find("HIDIOCGRAWINFO"), std::string::npos) << notHid.error;
    // Listing the machine's nodes works with or without any present.
    for (const DeviceCandidate& c : source.Candidates())
        EXPECT_TRUE(c.path.starts_with("/dev/")) << c.path;
}

namespace {

TEST_F(Discovery, AnExchangeThatFindsAKilledSimulatorLeadsToARescanAndANotice)
{
    NoticeCounter owner;
    m_link.reset();
    m_link = std::make_unique<HandsetLink>();
    m_link->Init(&owner, HANDSET_VENDOR_ID);
    ASSERT_TRUE(WaitFor([&] { return owner.notices > 0; })) << "the first scan";
    owner.notices = 0;
    // The handset lives where the device watch does not look, so only the exchange can tell.
    QTemporaryDir elsewhere;
    HandsetFolder::SetOverride(elsewhere.path().toStdString());
    SimHandset handset({});
    auto server = std::make_unique<SimHandsetServer>(handset, elsewhere.path().toStdString(), "killed");
    std::string error;
    ASSERT_TRUE(server->Start(&error)) << error;
    std::uint16_t product = 0;
    ASSERT_TRUE(HandsetLink::FindHandset(product, true));
    // Killed outright: its socket file stays, and nobody listens on it.
    server->Stop();
    MakeStaleSocket(elsewhere.path().toStdString() + "/killed.sock");
    EXPECT_FALSE(WaitFor([&] { return owner.notices > 0; }, 200));

    std::vector<std::uint8_t> received;
    const std::array<std::uint8_t, 8> p{4, 0, 0, 0, 1, 0, 0, 0};
    ExchangeRequest r;
    r.op = 2;
    r.function = 7;
    r.parameters = p;
    r.received = &received;
    EXPECT_EQ(m_link->ReceiveExchange(r), Msg::PhoneNotFound);
    EXPECT_TRUE(WaitFor([&] { return owner.notices > 0; }));
    EXPECT_FALSE(HandsetLink::FindHandset(product, false));
    HandsetFolder::SetOverride(Folder());
}

}  // namespace
