#pragma once

#include "cli/PhonebookCommands.h"

#include <QString>

class DelimitedFile;

// How `dialbook` reaches a CardDAV server: --user, --password-file, --ca-file, --save-password.
struct ServerOptions {
    QString user;
    QString passwordFile;
    QString caFile;
    bool savePassword = false;

    bool AnyGiven() const { return !user.isEmpty() || !passwordFile.isEmpty() || !caFile.isEmpty() || savePassword; }
};

// Whether a contacts source names a server (http:// or https://) rather than a file.
bool IsServerAddress(const QString& source);

// `dialbook addressbooks URL`: the address books found from URL, one per line with its card
// count and address.
int RunAddressBooksCommand(const CommandConsole& console, const QString& url, const ServerOptions& options);

// The cards of the address book at `url`, or of the one address book found from it, read into
// `into` as a vCard file would be. False after telling the user why (several address books
// found are listed).
bool ReadServerCards(const CommandConsole& console, const QString& url, const ServerOptions& options,
                     DelimitedFile& into);
