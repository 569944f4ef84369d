#pragma once

#include "cli/PhonebookCommands.h"

#include <QString>
#include <QUrl>

// What a command that signs in to a CardDAV server was told about the password.
struct PasswordRequest {
    QUrl server;
    QString user;
    // --password-file: the first line of this file, which only its owner may read.
    QString passwordFile;
    // --save-password: keep a password typed at the prompt in the keyring, once the server took it.
    bool savePassword = false;
};

// Where the password came from.
enum class PasswordSource { None, File, Keyring, Prompt };

// The password for the account: from --password-file when given (the keyring is then not asked,
// and a file that is refused gives none), else the keyring, else a prompt on the terminal when
// `console` can ask. Says on console.err why the keyring was passed over, and how to give the
// password when nothing gave one (PasswordSource::None).
// With `askAgain`, the keyring's password was refused: it is not looked up, and the prompt asks
// for the right one (which --save-password then keeps in its place).
PasswordSource ObtainPassword(const CommandConsole& console, const PasswordRequest& request, QString& password,
                              bool askAgain = false);

// After the server accepted `password`: one typed at the prompt is kept in the keyring when
// request.savePassword asks for it; any other is left where it came from. Says on console.err
// when it could not be kept.
void KeepPasswordIfAsked(const CommandConsole& console, const PasswordRequest& request, PasswordSource source,
                         const QString& password);
