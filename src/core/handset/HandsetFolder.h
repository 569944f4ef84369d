#pragma once

#include <string>

// Where simulated handsets put their sockets: $ORVAK_HANDSET_DIR if set, else
// $XDG_RUNTIME_DIR/orvak-dialbook/handsets, else /tmp/orvak-dialbook-<uid>/handsets.
namespace HandsetFolder {

std::string Path();
// Makes Path() answer `path` instead (empty: the environment again). A process that runs its
// own simulated handset says so here rather than changing its environment, which threads read.
void SetOverride(std::string path);

// Creates the folder (mode 0700) and its missing parents. Refuses a folder that is a
// symbolic link or belongs to another user, since sockets there would be someone else's.
// On failure returns false and says why in `error`.
bool Ensure(const std::string& path, std::string* error);

}  // namespace HandsetFolder
