#pragma once

#include <string>

// `text` as one word of a shell command, quoted only when it needs to be, so that a command
// the program prints can be pasted as it is.
std::string ShellWord(const std::string& text);
