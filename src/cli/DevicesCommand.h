#pragma once

#include <cstdio>

// `dialbook devices`: one line per device of the handset vendor, from both sources.
// Returns 0 when at least one accepted handset is there, else 1.
int RunDevicesCommand(std::FILE* out);
