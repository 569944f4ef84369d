#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <string>

class QFileSystemWatcher;
class QSocketNotifier;
struct udev;
struct udev_monitor;

// Notices handsets arriving and leaving: hidraw nodes through a libudev monitor, simulated
// handsets through their folder. Runs on the thread that owns it (the user-interface thread).
class DeviceMonitor : public QObject {
    Q_OBJECT
public:
    explicit DeviceMonitor(QObject* parent = nullptr);
    ~DeviceMonitor() override;

    void SetCallback(std::function<void()> callback) { m_callback = std::move(callback); }
    // Starts both watches. Either may fail on its own (no udev in a container, say); the
    // other still works. Returns whether any watch runs.
    bool Start();
    bool WatchingHidraw() const { return m_udevNotifier != nullptr; }
    bool WatchingFolder() const { return m_folderWatcher != nullptr; }

signals:
    void devicesChanged();

private:
    void StartUdev();
    void StartFolder();
    void OnUdevReadable();
    void Notify();

    std::function<void()> m_callback;
    udev* m_udev = nullptr;
    udev_monitor* m_udevMonitor = nullptr;
    QSocketNotifier* m_udevNotifier = nullptr;
    QFileSystemWatcher* m_folderWatcher = nullptr;
    std::string m_folder;
};
