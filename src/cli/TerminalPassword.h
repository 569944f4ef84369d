#pragma once

#include <QString>

#include <cstdio>

// Asks for a password on the terminal (/dev/tty, else the standard input when it is one) with
// the prompt on the standard error, and reads one line without showing it. What is typed is
// shown again afterwards, also when Ctrl+C ends the program meanwhile. False when there is no
// terminal or the input ended (Ctrl+D) before a line.
bool AskPassword(const QString& prompt, QString& password);

// The same on the terminal `fd`, with the prompt and the newline after the answer written to
// `prompts`.
bool AskPasswordOn(int fd, std::FILE* prompts, const QString& prompt, QString& password);
