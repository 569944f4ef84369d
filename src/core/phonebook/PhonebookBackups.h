#pragma once

#include "core/common/FileFailure.h"
#include "core/common/Msg.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <string>

class Phonebook;

class ProgressDisplay;

// A send replaces the handset's whole phone book, so before each send the program keeps the
// book the handset had: "My Phonebooks/Backups/<handset name> <YYYY-MM-DD HH.MM.SS>.opbk",
// written as a whole or not at all, the 20 last written of each handset kept. The folder is the
// user's alone (0700), and so is each backup (0600).
namespace PhonebookBackups {

inline constexpr int kKeptPerHandset = 20;

// The folder, made when missing and tightened when others may enter it; empty when it can be
// neither found nor made.
QString Folder();
// The file a backup of handset `name` (8-bit text) taken at `when` goes to, in `folder`.
QString PathFor(const QString& folder, const std::string& handsetName, const QDateTime& when);
// Receives the handset's phone book and saves it as a backup; `path` gets the file (the last
// backup's, when that holds the same book). A failure of either (including a cancel) is
// returned, and then nothing may be sent; `failure`, when given, says why the file could not be
// written.
Msg Make(ProgressDisplay* progress, QString* path, FileFailure* failure = nullptr);
// The same with the handset's book as just received (`handsetName` the name the handset gave),
// so that a sync need not receive it twice.
Msg Keep(const Phonebook& book, const std::string& handsetName, QString* path, FileFailure* failure = nullptr);
// `path` is the backup just written: of its handset's backups (the same name and identity) it
// and the `keep` - 1 others written last stay, the rest are deleted. `path` itself never is,
// even when the time in its name is older than the others' (the clock was set back).
void Prune(const QString& path, int keep = kKeptPerHandset);
// Every backup, the last written first.
QStringList List();
// What the handset holds after a send that stopped once its book was cleared.
QString PartialSendText(std::size_t sent, std::size_t total);
// The same when the handset could not say what it holds.
QString UnknownSendText(std::size_t sent, std::size_t total);

}  // namespace PhonebookBackups
