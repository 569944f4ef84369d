#pragma once

#include "core/common/Msg.h"

#include <QString>

// A folder of the program in the user's documents folder: "Orvak Dialbook/<name>", where the
// name is a string-table entry ("My Phonebooks", "My Pictures"). Each folder is made when
// missing. Ends with a slash; empty when it can be neither found nor made.
QString ProgramDocumentsFolder(Msg name);
