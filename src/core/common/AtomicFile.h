#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at `path` with `bytes` as a whole, or leaves it untouched and returns false,
// with the system's reason in `error` when given.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);
