#pragma once

#include "core/common/FileFailure.h"
#include "core/common/Msg.h"
#include "core/transfer/HandsetIdentity.h"

#include <QString>

class Phonebook;

// After each sync the book both sides then held is kept as the next sync's base, one per
// handset: "$XDG_STATE_HOME/orvak-dialbook/sync/<identity as 12 hex digits>.opbk". The books are
// the user's alone: the files 0600, the folders 0700.
namespace SyncBases {

QString Folder();
QString PathFor(const HandsetIdentity& handset);
// Fills `into` with the base kept for `handset`. True when there is one; false when there is
// none (the first sync) and also when it cannot be read (logged): with no base a sync takes
// the union of the two books, so a lost base loses no entry.
bool Load(const HandsetIdentity& handset, Phonebook& into);
// Keeps `book` as the base of the handset its identity names, written as a whole or not at all.
Msg Save(const Phonebook& book, FileFailure* failure = nullptr);

}  // namespace SyncBases
