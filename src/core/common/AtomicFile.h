#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at `path` with `bytes` as a whole, or leaves it untouched and returns false.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes);
