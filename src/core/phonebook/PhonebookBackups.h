#pragma once

#include "core/common/Msg.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <string>

class ProgressDisplay;

// A send replaces the handset's whole phone book, so before each send the program keeps the
// book the handset had: "My Phonebooks/Backups/<handset name> <YYYY-MM-DD HH.MM.SS>.opbk",
// written as a whole or not at all, the 20 newest of each handset kept.
namespace PhonebookBackups {

inline constexpr int kKeptPerHandset = 20;

// The folder, made when missing; empty when it can be neither found nor made.
QString Folder();
// The file a backup of handset `name` (8-bit text) taken at `when` goes to, in `folder`.
QString PathFor(const QString& folder, const std::string& handsetName, const QDateTime& when);
// Receives the handset's phone book and saves it as a backup; `path` gets the file. A failure
// of either (including a cancel) is returned, and then nothing may be sent.
Msg Make(ProgressDisplay* progress, QString* path);
// Deletes all but the `keep` newest backups of the handset whose backup is `path`.
void Prune(const QString& path, int keep = kKeptPerHandset);
// Every backup, newest first.
QStringList List();
// What the handset holds after a send that stopped once its book was cleared.
QString PartialSendText(std::size_t sent, std::size_t total);

}  // namespace PhonebookBackups
