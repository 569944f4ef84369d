#pragma once

#include <string>

// Where simulated handsets put their sockets: $ORVAK_HANDSET_DIR if set, else
// $XDG_RUNTIME_DIR/orvak-dialbook/handsets, else /tmp/orvak-dialbook-<uid>/handsets.
namespace HandsetFolder {

std::string Path();

// Creates the folder (mode 0700) and its missing parents. Refuses a folder that is a
// symbolic link or belongs to another user, since sockets there would be someone else's.
// On failure returns false and says why in `error`.
bool Ensure(const std::string& path, std::string* error);

}  // namespace HandsetFolder
