#pragma once

#include <QFileDevice>
#include <QString>

// Backups and the program's state are the user's alone: their files are made with these
// permissions (0600), in folders that MakePrivateFolder leaves to the user (0700).
inline constexpr QFileDevice::Permissions kPrivateFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Makes the folder `path` with mode 0700, its missing parents with the usual modes, and takes
// group and others out of a folder that is already there. False when it can be neither made
// nor tightened, or is not a folder.
bool MakePrivateFolder(const QString& path);

// The program's own state: "$XDG_STATE_HOME/orvak-dialbook" (~/.local/state without the
// variable, or with a relative one, as the base directory rules say). Not made here.
QString ProgramStateFolder();
