#pragma once

#include "core/common/FileFailure.h"
#include "core/common/Msg.h"
#include "core/transfer/HandsetIdentity.h"

#include <QString>

class Phonebook;

// After each sync the book both sides then held is kept as the next sync's base, one per
// handset and phone-book file: "$XDG_STATE_HOME/orvak-dialbook/sync/<handset identity as 12 hex
// digits>/<the file's key>.opbk". A base belongs to one file because another book synced with
// the same handset would otherwise look as if it had deleted every entry it lacks. A book with
// no file has no base: each of its syncs is a first one, which deletes nothing. The books are
// the user's alone: the files 0600, the folders 0700.
namespace SyncBases {

QString Folder();
// Empty for a book with no file.
QString PathFor(const HandsetIdentity& handset, const QString& bookPath);
// Fills `into` with the base kept for `handset` and the book's file. True when there is one;
// false when there is none (the first sync) and also when it cannot be read (logged): with no
// base a sync takes the union of the two books, so a lost base loses no entry.
bool Load(const HandsetIdentity& handset, const QString& bookPath, Phonebook& into);
// Keeps `book` as the base of the handset its identity names and of the book's file, written as
// a whole or not at all; nothing for a book with no file.
Msg Save(const Phonebook& book, const QString& bookPath, FileFailure* failure = nullptr);
// The handset's book was replaced other than by a sync, or a sync's send stopped halfway: no
// base of it says any longer what it holds, so the next sync of each book is a first one.
void Forget(const HandsetIdentity& handset);

}  // namespace SyncBases
