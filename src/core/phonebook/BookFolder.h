#pragma once

#include <QString>

// The folder phone books are kept in by default: "My Phonebooks" in an "Orvak Dialbook" folder
// of the user's documents folder, each made when missing. Ends with a slash; empty when it
// can be neither found nor made.
QString DefaultBookFolder();
