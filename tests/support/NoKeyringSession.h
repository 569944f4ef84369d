#pragma once

#include <QByteArray>

#include <array>
#include <optional>

// While it lives, the process's session has no keyring: its D-Bus address leads nowhere and no
// display is set that a bus could be started for. The environment comes back as it was after.
// Made before anything in the process has used the session bus: both D-Bus libraries read the
// address once.
class NoKeyringSession {
public:
    NoKeyringSession()
    {
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            if (qEnvironmentVariableIsSet(kNames[i]))
                m_saved[i] = qgetenv(kNames[i]);
        }
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
        qunsetenv("DISPLAY");
        qunsetenv("WAYLAND_DISPLAY");
    }
    ~NoKeyringSession()
    {
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            if (m_saved[i])
                qputenv(kNames[i], *m_saved[i]);
            else
                qunsetenv(kNames[i]);
        }
    }
    NoKeyringSession(const NoKeyringSession&) = delete;
    NoKeyringSession& operator=(const NoKeyringSession&) = delete;

private:
    static constexpr std::array kNames{"DBUS_SESSION_BUS_ADDRESS", "DISPLAY", "WAYLAND_DISPLAY"};
    std::array<std::optional<QByteArray>, kNames.size()> m_saved;
};
