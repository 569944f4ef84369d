#pragma once

#include "core/handset/ExchangeRequest.h"
#include "core/handset/HandsetDevice.h"
#include "core/handset/ReportCaps.h"

#include "core/common/Msg.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

class DeviceMonitor;
class DeviceSource;
class QObject;
class ReportPort;

// One device as `dialbook devices` shows it.
struct DeviceListing {
    std::string path;
    bool idsKnown = false;
    ReportCaps caps;
    bool opened = false;
    bool accepted = false;
    std::string error;
    // An accepted model by the ids the system told, which this user may not open.
    bool permissionDenied = false;
};

// Finds the handset, watches it come and go, and runs exchanges with it.
//
// The discovery state is process-wide: every instance shares it. The instance whose Init()
// is called (the main window's) also watches for devices and tells its owner with
// HandsetChangedEvent; instances made by worker threads only run exchanges.
class HandsetLink {
public:
    HandsetLink();
    ~HandsetLink();
    HandsetLink(const HandsetLink&) = delete;
    HandsetLink& operator=(const HandsetLink&) = delete;

    // Starts watching for devices on behalf of `owner` and scans at once. With an owner, the
    // scan runs off the caller's thread (the window never waits for a device) and ends with a
    // notice to the owner, as every later one does; without one, the caller waits for it.
    void Init(QObject* owner, std::uint16_t vendorId);

    // rescan false: the product id of the last scan, without touching any device.
    // rescan true: scans hidraw nodes, then simulated handsets; the first device of the
    // vendor wins, accepted model or not.
    static bool FindHandset(std::uint16_t& productId, bool rescan);
    // The last scan found no handset it could open, but one of an accepted model that this user
    // may not open (no udev rule gives it to them): its product id, else 0. Touches no device.
    static std::uint16_t DeniedProductId() { return s_deniedProductId.load(); }
    static bool IsAcceptedDevice(std::uint16_t vendorId, std::uint16_t productId);
    // The first accepted handset, open for an exchange, or null. `deniedProduct` gets the product
    // id of an accepted handset this user may not open for writing.
    static std::unique_ptr<HandsetDevice> OpenHandset(std::uint16_t* deniedProduct = nullptr);
    // The same for an operation: when the handset the last scan saw answers no more, everyone
    // is told through a rescan.
    static std::unique_ptr<HandsetDevice> OpenForExchange();
    static ReportCaps GetReportCaps(const ReportPort& port);
    // Data reports needed to carry byteCount bytes to the handset, by the output report length
    // that the last scan found; 0 when it found no usable handset. Touches no device.
    static int CountDataReports(std::uint32_t byteCount);
    // Has the watching instance scan again, off its thread, and tell its owner. Any thread.
    static void RequestRescan();
    // Tells the watching instance's owner that the handset state changed, without a scan. Any thread.
    static void NotifyOwner();

    static bool WriteCommand(ReportPort& port, std::uint8_t op, std::uint8_t function,
                             std::span<const std::uint8_t> parameters);
    static bool ReadReport(ReportPort& port, int timeoutMs, std::span<std::uint8_t> buffer);
    static Msg RefusalMessage(std::uint8_t code);

    // The two engines, each on a connection of its own to the first accepted handset: data
    // from the handset (op codes 2 and 3) and data to it (op code 1). Operations keep one
    // connection for all their exchanges instead (HandsetSession).
    Msg ReceiveExchange(ExchangeRequest& request);
    Msg SendExchange(ExchangeRequest& request);
    // The same engines on a port that is already open.
    static Msg ReceiveOn(ReportPort& port, ExchangeRequest& request);
    static Msg SendOn(ReportPort& port, ExchangeRequest& request);

    // Every device of the vendor, from both sources, with what could be learnt of it.
    static std::vector<DeviceListing> ListDevices(std::uint16_t vendorId);

    static std::uint16_t VendorId() { return s_vendorId.load(); }

    // Test seam: a source scanned before the hidraw nodes and the simulated handsets, standing
    // for devices a test cannot make (one this user may not open, say); null removes it. It must
    // outlive every scan that may use it: those of the watching instance end with that instance.
    static void SetTestSource(DeviceSource* source) { s_testSource = source; }

private:
    static std::vector<DeviceSource*> Sources();
    static bool IsAcceptedProduct(std::uint16_t productId);
    static void Remember(const ReportCaps& caps, DeviceSource* source, const std::string& path);
    void OnDevicesChanged();
    void RescanUntilSettled();

    static inline std::atomic<bool> s_windowCreated{false};
    static inline std::atomic<std::uint16_t> s_vendorId{0};
    static inline std::atomic<std::uint16_t> s_productId{0};
    static inline std::atomic<std::uint16_t> s_deniedProductId{0};
    static inline std::atomic<int> s_outLen{0};
    // Where the last scan or exchange found the handset.
    static inline std::mutex s_foundMutex;
    static inline DeviceSource* s_foundSource = nullptr;
    static inline std::string s_foundPath;
    // The instance that watches, for RequestRescan.
    static inline std::mutex s_watcherMutex;
    static inline HandsetLink* s_watcher = nullptr;
    static inline std::atomic<DeviceSource*> s_testSource{nullptr};
    static constexpr std::array<std::uint16_t, 4> s_acceptedProducts{0x1849, 0x18D2, 0x18F8, 0};

    QObject* m_owner = nullptr;
    std::unique_ptr<DeviceMonitor> m_monitor;
    // A rescan runs on a thread of its own, so the window never waits for a device; changes
    // that come while it runs are covered by one more rescan.
    std::mutex m_rescanMutex;
    std::thread m_rescanThread;
    bool m_rescanning = false;
    bool m_rescanAgain = false;
};
