#pragma once

#include <QCoreApplication>
#include <QString>
#include <QUrl>

// Passwords kept in the desktop's keyring (the Secret Service of GNOME Keyring or KeePassXC, or
// KWallet), under the service "orvak-dialbook". Never in a file of the program's own: a
// password that no keyring takes is not kept.
//
// Each call waits for the keyring's answer in a local event loop, so it needs the
// application object and is made on the thread that runs its event loop.
class Keyring {
    Q_DECLARE_TR_FUNCTIONS(Keyring)

public:
    enum class Result { Ok, NotFound, NoKeyring, Failed };

    // The key a server account's password is kept under: the user and the server's
    // scheme://host:port. The path, and a user or password written into the address, stay out:
    // every address book on one server shares the account's password.
    static QString AccountKey(const QUrl& server, const QString& user);

    // Each waits until the keyring answers, for two minutes at most (see Keyring.cpp). `error`
    // gets the keyring's own text on Failed.
    static Result Read(const QString& key, QString& password, QString* error = nullptr);
    static Result Write(const QString& key, const QString& password, QString* error = nullptr);
    static Result Remove(const QString& key, QString* error = nullptr);

    // Why a password is neither looked up nor kept, for the person.
    static QString NoKeyringText();
};
