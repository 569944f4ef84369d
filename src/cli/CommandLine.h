#pragma once

#include "cli/ContactCommands.h"
#include "cli/PhonebookCommands.h"
#include "cli/PictureCommands.h"

#include <QString>
#include <QStringList>

#include <string>

// What `dialbook` was asked to do, read from its arguments.
struct CommandLine {
    enum class Command { Devices, Info, Pull, Push, Sync, Show, Picture, SendPicture, Import, Export, Backups, AddressBooks };

    Command command = Command::Devices;
    bool simulate = false;
    // Answer Yes to the questions of push and sync.
    bool assumeYes = false;
    // The command's files, in order.
    QStringList files;
    PictureSteps picture;
    // push and sync: --no-backup.
    bool noBackup = false;
    // import: --map, --international-prefix, --category, --first and --dry-run; with addressbooks,
    // the server's options.
    ImportRequest importRequest;
    // sync: --prefer and --dry-run (--no-backup is in `noBackup`).
    SyncRequest syncRequest;

    // Commands that work on files alone start no device watch and touch no handset folder.
    bool NeedsHandset() const
    {
        return command != Command::Show && command != Command::Picture && command != Command::Import &&
               command != Command::Export && command != Command::Backups && command != Command::AddressBooks;
    }
};

struct ParsedCommandLine {
    // -1: run `line`; otherwise exit with this status after printing `output` on stdout and
    // `error` on stderr.
    int exitStatus = -1;
    std::string output;
    std::string error;
    CommandLine line;
};

inline constexpr int kExitUsage = 2;

// Reads the arguments, program name first.
ParsedCommandLine ParseCommandLine(const QStringList& arguments);

// Runs a parsed command line; returns the exit status.
int RunCommandLine(const CommandLine& line, CommandConsole console);
