#pragma once

#include "core/common/FileFailure.h"
#include "core/common/Msg.h"
#include "core/phonebook/MergePlan.h"

#include <QString>

#include <cstdio>

// Where a command talks to the person: its output, its messages and questions, and their answers.
struct CommandConsole {
    std::FILE* out = stdout;
    std::FILE* err = stderr;
    std::FILE* in = stdin;
    // Questions are answered Yes without asking.
    bool assumeYes = false;
    // Questions can be asked (the input is a terminal); otherwise they are answered No.
    bool canAsk = false;
    // Draw a progress bar on `err`.
    bool showProgress = false;
};

// Prints the text of a failure on the console's error stream, with the file and the cause under it
// when `failure` says them; returns exit status 1.
int ReportFailure(const CommandConsole& console, Msg m, const FileFailure& failure = {});

// Each returns the exit status: 0 done, 1 failed or declined.
int RunInfoCommand(const CommandConsole& console);
int RunPullCommand(const CommandConsole& console, const QString& path);
// Keeps the handset's book as a backup first unless `keepBackup` is false (--no-backup).
int RunPushCommand(const CommandConsole& console, const QString& path, bool keepBackup = true);
// `dialbook sync`: what was asked besides the book.
struct SyncRequest {
    // Whose version a conflict takes (--prefer).
    MergePreference prefer = MergePreference::Computer;
    // Print the plan and stop (--dry-run).
    bool dryRun = false;
    // Keep the handset's book as a backup before the send (not with --no-backup).
    bool keepBackup = true;
};

// Syncs the handset's book with the one in `path`: receives it, prints the merge, and after one
// question sends the merged book (when the handset's differs) and saves it in `path` (when that
// changes). Nothing is sent or written when the merge holds more than the handset does.
int RunSyncCommand(const CommandConsole& console, const QString& path, const SyncRequest& request);
// `dialbook backups`: the kept phone books, newest first, a path a line.
int RunBackupsCommand(const CommandConsole& console);
int RunShowCommand(const CommandConsole& console, const QString& path);
