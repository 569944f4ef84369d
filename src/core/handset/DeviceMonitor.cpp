#include "core/handset/DeviceMonitor.h"

#include "core/handset/HandsetFolder.h"

#include "core/common/Log.h"

#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <QString>

#include <libudev.h>

DeviceMonitor::DeviceMonitor(QObject* parent) : QObject(parent) {}

DeviceMonitor::~DeviceMonitor()
{
    delete m_udevNotifier;
    if (m_udevMonitor)
        udev_monitor_unref(m_udevMonitor);
    if (m_udev)
        udev_unref(m_udev);
}

bool DeviceMonitor::Start()
{
    StartUdev();
    StartFolder();
    return WatchingHidraw() || WatchingFolder();
}

void DeviceMonitor::StartUdev()
{
    m_udev = udev_new();
    if (!m_udev)
        return;
    m_udevMonitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_udevMonitor || udev_monitor_filter_add_match_subsystem_devtype(m_udevMonitor, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(m_udevMonitor) < 0) {
        qCDebug(lcDialbook, "device monitor: no udev events; hidraw arrivals will not be noticed");
        return;
    }
    m_udevNotifier = new QSocketNotifier(udev_monitor_get_fd(m_udevMonitor), QSocketNotifier::Read, this);
    connect(m_udevNotifier, &QSocketNotifier::activated, this, &DeviceMonitor::OnUdevReadable);
}

void DeviceMonitor::StartFolder()
{
    m_folder = HandsetFolder::Path();
    std::string error;
    if (!HandsetFolder::Ensure(m_folder, &error)) {
        qCDebug(lcDialbook, "device monitor: %s", error.c_str());
        return;
    }
    m_folderWatcher = new QFileSystemWatcher(this);
    if (!m_folderWatcher->addPath(QString::fromStdString(m_folder))) {
        delete m_folderWatcher;
        m_folderWatcher = nullptr;
        return;
    }
    connect(m_folderWatcher, &QFileSystemWatcher::directoryChanged, this, &DeviceMonitor::Notify);
}

void DeviceMonitor::OnUdevReadable()
{
    // Take every queued event; one notice covers them all.
    bool any = false;
    while (udev_device* dev = udev_monitor_receive_device(m_udevMonitor)) {
        udev_device_unref(dev);
        any = true;
    }
    if (any)
        Notify();
}

void DeviceMonitor::Notify()
{
    if (m_callback)
        m_callback();
    emit devicesChanged();
}
