#pragma once

#include <cstdio>

// `dialbook devices`: one line per device of the handset vendor, from both sources.
// Returns 0 when at least one accepted handset is there, else 1. Without one, but with a
// handset this user may not open, it says so and names the fix.
int RunDevicesCommand(std::FILE* out);

// When the last scan found no handset to open, but one this user may not open: says so on
// `out`, names the fix, and returns true. A command that needs the handset then fails with 1
// rather than with "Phone not found".
bool ExplainDeniedHandset(std::FILE* out);
