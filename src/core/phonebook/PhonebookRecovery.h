#pragma once

#include "core/common/Msg.h"

#include <QString>

class Phonebook;

// While the phone-book page has changes that are not saved, it keeps a copy of the book in
// "$XDG_STATE_HOME/orvak-dialbook/recovery.opbk" (~/.local/state without the variable), so that
// a crash or a killed session does not lose them. The program runs once per user, so one
// file is enough.
namespace PhonebookRecovery {

QString Path();
bool Exists();
// Written as a whole or not at all, readable by the user alone (0600), in a folder only the user
// may enter (0700), which is made when missing and tightened when it is wider.
Msg Write(const Phonebook& book);
void Remove();

}  // namespace PhonebookRecovery
