#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <optional>

// Replaces the file at `path` with `bytes` as a whole, or leaves it untouched and returns false,
// with the system's reason in `error` when given. The file keeps the permissions of the one it
// replaces, or gets the umask's when it is new; `permissions`, when given, it gets instead.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                         std::optional<QFileDevice::Permissions> permissions = std::nullopt);
