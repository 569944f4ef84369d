#pragma once

#include <QString>

// The largest password file read: a password is one line, and a larger file is something else
// (a key, a log) that must not be sent to a server as one.
inline constexpr qint64 kMaxPasswordFileBytes = 4096;

// Reads the password from the first line of `path` (UTF-8, without its line end). Only a regular
// file of the user's own that no one else may read or write (mode 0600 or 0400) is read; any
// other, an empty first line or a file larger than kMaxPasswordFileBytes is refused with a
// `complaint` for the person that names the file and what to do.
//
// A symbolic link is followed: what is checked is the file that is read, on its opened
// descriptor, so the link cannot be swapped between the check and the read.
bool ReadPasswordFile(const QString& path, QString& password, QString& complaint);
