#include "core/handset/HandsetLink.h"

#include "core/handset/DeviceMonitor.h"
#include "core/handset/DeviceSource.h"
#include "core/handset/HidrawSource.h"
#include "core/handset/ReportCodec.h"
#include "core/handset/ReportLayout.h"
#include "core/handset/SimSocketSource.h"
#include "core/handset/Timeouts.h"

#include "core/common/AppEvents.h"
#include "core/common/Event.h"
#include "core/common/Log.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <array>
#include <cerrno>
#include <limits>
#include <new>

namespace {

using ReportBuffer = std::array<std::uint8_t, kMaxReportLength>;

// A handset that floods us with reports must not keep the drain going for ever.
constexpr int kMaxDrainedReports = 4096;
// Inbound data grows as reports arrive; the count the handset announces only reserves this much
// up front, so a lying count cannot make us allocate gigabytes.
constexpr std::size_t kMaxReserve = 1u << 20;

void Drain(ReportPort& port)
{
    ReportBuffer stale;
    for (int i = 0; i < kMaxDrainedReports; ++i)
        if (!HandsetLink::ReadReport(port, 0, stale))
            return;
}

void Step(const ExchangeRequest& request)
{
    if (request.progressStep)
        request.progressStep();
}

bool Cancelled(const ExchangeRequest& request)
{
    return request.cancel && request.cancel->IsSet();
}

bool PermissionDenied(const OpenResult& r)
{
    return r.errorCode == EACCES || r.errorCode == EPERM;
}

}  // namespace

HandsetLink::HandsetLink()
{
    if (!s_windowCreated) {
        s_vendorId = 0;
        s_productId = 0;
        s_deniedProductId = 0;
    }
}

HandsetLink::~HandsetLink()
{
    if (!m_monitor)
        return;
    {
        std::lock_guard lock(s_watcherMutex);
        s_watcher = nullptr;
    }
    m_monitor.reset();
    if (m_rescanThread.joinable())
        m_rescanThread.join();
    // The watching instance lives as long as the program; should it go earlier, another may
    // take over the watching.
    s_windowCreated = false;
}

void HandsetLink::Init(QObject* owner, std::uint16_t vendorId)
{
    if (!s_windowCreated.exchange(true)) {
        m_monitor = std::make_unique<DeviceMonitor>();
        m_monitor->SetCallback([this] { OnDevicesChanged(); });
        m_monitor->Start();
        std::lock_guard lock(s_watcherMutex);
        s_watcher = this;
    }
    s_vendorId = vendorId;
    m_owner = owner;
    if (owner && m_monitor) {
        OnDevicesChanged();
        return;
    }
    std::uint16_t product = 0;
    FindHandset(product, true);
}

void HandsetLink::RequestRescan()
{
    std::lock_guard lock(s_watcherMutex);
    if (HandsetLink* watcher = s_watcher)
        QMetaObject::invokeMethod(watcher->m_monitor.get(), [watcher] { watcher->OnDevicesChanged(); },
                                  Qt::QueuedConnection);
}

void HandsetLink::OnDevicesChanged()
{
    std::lock_guard lock(m_rescanMutex);
    if (m_rescanning) {
        m_rescanAgain = true;
        return;
    }
    if (m_rescanThread.joinable())
        m_rescanThread.join();  // it has finished: m_rescanning is false
    m_rescanning = true;
    try {
        m_rescanThread = std::thread(&HandsetLink::RescanUntilSettled, this);
    } catch (const std::system_error&) {
        m_rescanning = false;
    }
}

void HandsetLink::RescanUntilSettled()
{
    for (;;) {
        std::uint16_t product = 0;
        FindHandset(product, true);
        // The owner outlives this thread: its HandsetLink joins it on the way out.
        if (m_owner)
            QCoreApplication::postEvent(m_owner, new QEvent(HandsetChangedEvent));
        std::lock_guard lock(m_rescanMutex);
        if (!m_rescanAgain) {
            m_rescanning = false;
            return;
        }
        m_rescanAgain = false;
    }
}

void HandsetLink::Remember(const ReportCaps& caps, DeviceSource* source, const std::string& path)
{
    s_productId = caps.productId;
    s_outLen = caps.outLen;
    s_deniedProductId = 0;
    std::lock_guard lock(s_foundMutex);
    s_foundSource = source;
    s_foundPath = path;
}

std::vector<DeviceSource*> HandsetLink::Sources()
{
    // hidraw nodes first, then simulated handsets.
    static HidrawSource hidraw;
    static SimSocketSource sim;
    if (DeviceSource* test = s_testSource)
        return {test, &hidraw, &sim};
    return {&hidraw, &sim};
}

bool HandsetLink::FindHandset(std::uint16_t& productId, bool rescan)
{
    if (!rescan) {
        productId = s_productId;
        return productId != 0;
    }
    // The result is published when the scan ends: a page that asks meanwhile (the rescan runs
    // on its own thread after every device notice) gets the last result, never a gap.
    const std::uint16_t vendor = s_vendorId;
    std::uint16_t denied = 0;
    for (DeviceSource* source : Sources()) {
        for (const DeviceCandidate& c : source->Candidates()) {
            // udev already knows the ids of a hidraw node; skip other vendors without opening.
            if (c.vendorId && *c.vendorId != vendor)
                continue;
            const OpenResult r = source->Open(c.path, OpenMode::Query);
            if (!r.ok) {
                qCDebug(lcDialbook, "scan: %s: %s", c.path.c_str(), r.error.c_str());
                // Without a udev rule the handset is there, and only root may open it: the
                // commonest reason for "not connected", so it is worth telling apart.
                if (denied == 0 && PermissionDenied(r) && c.vendorId && c.productId && IsAcceptedProduct(*c.productId))
                    denied = *c.productId;
                continue;
            }
            if (r.caps.vendorId == vendor) {
                Remember(r.caps, source, c.path);
                productId = r.caps.productId;
                return true;
            }
        }
    }
    productId = 0;
    s_deniedProductId = denied;
    s_productId = 0;
    s_outLen = 0;
    std::lock_guard lock(s_foundMutex);
    s_foundSource = nullptr;
    s_foundPath.clear();
    return false;
}

bool HandsetLink::IsAcceptedDevice(std::uint16_t vendorId, std::uint16_t productId)
{
    return vendorId == s_vendorId && IsAcceptedProduct(productId);
}

bool HandsetLink::IsAcceptedProduct(std::uint16_t productId)
{
    for (std::uint16_t accepted : s_acceptedProducts) {
        if (accepted == 0)
            break;
        if (accepted == productId)
            return true;
    }
    return false;
}

std::unique_ptr<HandsetDevice> HandsetLink::OpenHandset(std::uint16_t* deniedProduct)
{
    // An accepted handset that opened for reading (so the scan found it) but not for writing.
    const auto noteDenied = [deniedProduct](const OpenResult& r, std::uint16_t product) {
        if (deniedProduct && *deniedProduct == 0 && PermissionDenied(r) && IsAcceptedProduct(product))
            *deniedProduct = product;
    };
    // The handset the last scan found is the first in line, unless it has gone since: try it
    // before listing every device again.
    DeviceSource* foundSource = nullptr;
    std::string foundPath;
    {
        std::lock_guard lock(s_foundMutex);
        foundSource = s_foundSource;
        foundPath = s_foundPath;
    }
    if (foundSource) {
        OpenResult r = foundSource->Open(foundPath, OpenMode::Exchange);
        if (r.ok && IsAcceptedDevice(r.caps.vendorId, r.caps.productId))
            return std::move(r.device);
        noteDenied(r, s_productId);
    }
    for (DeviceSource* source : Sources()) {
        for (const DeviceCandidate& c : source->Candidates()) {
            if (c.vendorId && c.productId && !IsAcceptedDevice(*c.vendorId, *c.productId))
                continue;
            OpenResult r = source->Open(c.path, OpenMode::Exchange);
            if (!r.ok || !IsAcceptedDevice(r.caps.vendorId, r.caps.productId)) {
                noteDenied(r, c.productId.value_or(0));
                continue;
            }
            Remember(r.caps, source, c.path);
            return std::move(r.device);
        }
    }
    return nullptr;
}

ReportCaps HandsetLink::GetReportCaps(const ReportPort& port)
{
    return port.Caps();
}

int HandsetLink::CountDataReports(std::uint32_t byteCount)
{
    const int outLen = s_productId != 0 ? s_outLen.load() : 0;
    // Lengths the engines refuse carry nothing; dividing by a payload of 0 would be a crash.
    if (outLen > static_cast<int>(kMaxReportLength) || outLen < kMinOutLength)
        return 0;
    // With short reports a 4 GB count needs more reports than an int holds.
    const std::uint64_t n = ReportCodec::CountDataReports(byteCount, outLen);
    return static_cast<int>(std::min<std::uint64_t>(n, std::numeric_limits<int>::max()));
}

bool HandsetLink::WriteCommand(ReportPort& port, std::uint8_t op, std::uint8_t function,
                                         std::span<const std::uint8_t> parameters)
{
    ReportBuffer report;
    ReportCodec::BuildCommand(report, op, function, parameters);
    const auto outLen = static_cast<std::size_t>(port.Caps().outLen);
    if (port.StartWrite(std::span(report).first(outLen)) != IoStatus::Ok)
        return false;
    return port.FinishWrite(HandsetTimeouts().commandWriteMs, nullptr) == IoStatus::Ok;
}

bool HandsetLink::ReadReport(ReportPort& port, int timeoutMs, std::span<std::uint8_t> buffer)
{
    return port.Read(buffer, timeoutMs, nullptr) == IoStatus::Ok;
}

Msg HandsetLink::RefusalMessage(std::uint8_t code)
{
    switch (code) {
    case 2: return Msg::RefusedMemoryFull;
    case 3: return Msg::RefusedHandsetInUse;
    case 4: return Msg::RefusedIncomingCall;
    case 5: return Msg::RefusedLowBattery;
    case 6: return Msg::RefusedSoundClipBusy;
    case 7: return Msg::RefusedHandsetCanceledImage;
    case 8: return Msg::RefusedFileTooLarge;
    default: return Msg::RefusedOther;
    }
}

std::unique_ptr<HandsetDevice> HandsetLink::OpenForExchange()
{
    std::uint16_t denied = 0;
    auto device = OpenHandset(&denied);
    if (device)
        return device;
    if (denied != 0) {
        // Readable but not writable for this user: it is no handset we can use, and a rescan
        // would only find it again and start the same failing read, for ever. Everyone hears
        // why instead.
        s_deniedProductId = denied;
        s_productId = 0;
        NotifyOwner();
        return nullptr;
    }
    // The last scan saw a handset that answers no more (a simulator killed outright leaves its
    // socket behind, and no folder watch notices): scan again so everyone hears of it.
    if (s_productId != 0)
        RequestRescan();
    return nullptr;
}

void HandsetLink::NotifyOwner()
{
    std::lock_guard lock(s_watcherMutex);
    if (HandsetLink* watcher = s_watcher; watcher && watcher->m_owner)
        QCoreApplication::postEvent(watcher->m_owner, new QEvent(HandsetChangedEvent));
}

Msg HandsetLink::ReceiveExchange(ExchangeRequest& request)
{
    const auto device = OpenForExchange();
    return device ? ReceiveOn(*device, request) : Msg::PhoneNotFound;
}

Msg HandsetLink::SendExchange(ExchangeRequest& request)
{
    const auto device = OpenForExchange();
    return device ? SendOn(*device, request) : Msg::PhoneNotFound;
}

namespace {

// What both engines do once the handset is open: check the lengths, drain stale reports
// and write the command. Returns 0 when the command is out (or *written is false).
Msg OpenExchange(ReportPort& port, const ExchangeRequest& request, bool* written)
{
    *written = false;
    if (!ReportCodec::LengthsUsable(port.Caps()))
        return Msg::ReportSizeTooLarge;
    if (!port.IoReady())
        return Msg::CreateEventFailed;
    Drain(port);
    *written = HandsetLink::WriteCommand(port, request.op, request.function, request.parameters);
    return Msg::Ok;
}

}  // namespace

Msg HandsetLink::ReceiveOn(ReportPort& port, ExchangeRequest& request)
{
    if (request.received)
        request.received->clear();
    bool written = false;
    if (const Msg m = OpenExchange(port, request, &written); m != Msg::Ok)
        return m;
    if (!written)
        return Msg::ReadFailed;

    const ReportCaps caps = port.Caps();
    const Timeouts& t = HandsetTimeouts();
    const int timeout = request.op == OP_CONTROL ? t.controlReplyMs : ReportTimeoutMs(t, caps.outLen);

    ReportBuffer report;
    if (!ReadReport(port, timeout, report))
        return Msg::ReadFailed;
    const auto r = ReportCodec::ParseReply(report, caps.inLen);
    if (!r.Accepted())
        return RefusalMessage(r.formOrCode);

    std::vector<std::uint8_t> scratch;
    std::vector<std::uint8_t>& data = request.received ? *request.received : scratch;

    if (r.formOrCode == reply::kFormInline) {
        // The reply report cannot hold more than InLen - 7 bytes; a larger count is a lie.
        if (r.count > r.data.size())
            return Msg::ReadFailed;
        data.assign(r.data.begin(), r.data.begin() + r.count);
        if (request.stepWhenInline)
            Step(request);
        return Msg::Ok;
    }
    if (r.formOrCode != reply::kFormDataReports)
        return Msg::ReadFailed;

    const std::size_t payload = ReportCodec::PayloadPerReport(caps.outLen);
    const std::uint64_t n = ReportCodec::CountDataReports(r.count, caps.outLen);
    try {
        data.reserve(std::min<std::size_t>(r.count, kMaxReserve));
        for (std::uint64_t i = 0; i < n; ++i) {
            const IoStatus status = port.Read(report, timeout, request.cancel);
            if (status == IoStatus::Cancelled) {
                data.clear();
                return Msg::Cancelled;
            }
            if (status != IoStatus::Ok || report[datareport::kId] != kDataReportId) {
                data.clear();
                if (status == IoStatus::Ok && report[reply::kId] == kCommandReportId)
                    return RefusalMessage(report[reply::kFormOrCode]);
                return Msg::ReadFailed;
            }
            data.insert(data.end(), report.begin() + datareport::kPayload,
                        report.begin() + datareport::kPayload + static_cast<std::ptrdiff_t>(payload));
            Step(request);
            if (Cancelled(request)) {
                data.clear();
                return Msg::Cancelled;
            }
        }
    } catch (const std::bad_alloc&) {
        data.clear();
        return Msg::ReadFailed;
    }
    data.resize(r.count);
    return Msg::Ok;
}

Msg HandsetLink::SendOn(ReportPort& port, ExchangeRequest& request)
{
    if (request.reply)
        request.reply->clear();
    bool written = false;
    if (const Msg m = OpenExchange(port, request, &written); m != Msg::Ok)
        return m;

    const ReportCaps caps = port.Caps();
    const Timeouts& t = HandsetTimeouts();
    const int timeout = ReportTimeoutMs(t, caps.outLen);
    const std::uint64_t n = ReportCodec::CountDataReports(request.data.size(), caps.outLen);
    if (!written)
        return Msg::SendFailed;

    ReportBuffer report;
    if (!ReadReport(port, timeout, report))
        return Msg::SendFailed;
    const auto r = ReportCodec::ParseReply(report, caps.inLen);
    if (!r.Accepted())
        return RefusalMessage(r.formOrCode);
    // The reply report cannot hold more than InLen - 7 bytes; a larger size is a lie.
    if (r.count > r.data.size())
        return Msg::SendFailed;
    if (request.reply)
        request.reply->assign(r.data.begin(), r.data.begin() + r.count);
    if (n == 0)
        return Msg::Ok;

    const auto outLen = static_cast<std::size_t>(caps.outLen);
    for (std::uint64_t i = 0; i < n; ++i) {
        ReportCodec::BuildDataReport(report, caps.outLen, request.data, i);
        const IoStatus started = port.StartWrite(std::span(report).first(outLen));
        Step(request);
        if (started != IoStatus::Ok)
            return Msg::SendFailed;

        IoStatus status = port.FinishWrite(timeout, request.cancel);
        // A cancel that comes while the write completes still counts: the user asked to stop.
        if (status == IoStatus::Ok && Cancelled(request))
            status = IoStatus::Cancelled;
        if (status == IoStatus::Cancelled) {
            // The handset expects more data unless this was the last report; tell it to stop.
            if (i + 1 < n)
                WriteCommand(port, OP_CONTROL, FN_ABORT, {});
            ReadReport(port, t.abortReplyMs, report);
            return Msg::Cancelled;
        }
        if (status != IoStatus::Ok)
            return Msg::SendFailed;

        // The handset sends a report of its own only to stop a download, so any report here ends it.
        const IoStatus unsolicited = port.Read(report, 0, nullptr);
        if (unsolicited == IoStatus::Ok)
            return RefusalMessage(report[reply::kFormOrCode]);
        if (unsolicited == IoStatus::Gone)
            return Msg::SendFailed;
    }
    // Done once the handset has taken the last report, not when it is merely on its way.
    const IoStatus flushed = port.Flush(timeout, nullptr);
    return flushed == IoStatus::Ok ? Msg::Ok : Msg::SendFailed;
}

std::vector<DeviceListing> HandsetLink::ListDevices(std::uint16_t vendorId)
{
    std::vector<DeviceListing> out;
    for (DeviceSource* source : Sources()) {
        for (const DeviceCandidate& c : source->Candidates()) {
            if (c.vendorId && *c.vendorId != vendorId)
                continue;
            DeviceListing d;
            d.path = c.path;
            const OpenResult r = source->Open(c.path, OpenMode::Query);
            if (r.ok) {
                if (r.caps.vendorId != vendorId)
                    continue;
                d.opened = true;
                d.idsKnown = true;
                d.caps = r.caps;
            } else {
                // Listed although its vendor is unknown: the reason may be what the user needs to see.
                d.error = r.error;
                d.idsKnown = c.vendorId.has_value();
                d.caps.vendorId = c.vendorId.value_or(0);
                d.caps.productId = c.productId.value_or(0);
                d.permissionDenied =
                    PermissionDenied(r) && c.vendorId && c.productId && IsAcceptedProduct(*c.productId);
            }
            d.accepted = d.opened && IsAcceptedProduct(d.caps.productId);
            out.push_back(std::move(d));
        }
    }
    return out;
}
