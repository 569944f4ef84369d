#pragma once

#include <QString>
#include <QUrl>

// Where the window keeps the password of a server account between runs: the desktop's
// keyring, or in a test a stand-in that a script fills. The keyring answers in a local event
// loop of the application's thread (bounded; a locked keyring first asks for its own password),
// so the calls are made on the window's thread, which stays drawn meanwhile.
class PasswordKeeper {
public:
    enum class Result { Ok, NotFound, NoKeyring, Failed };

    virtual ~PasswordKeeper() = default;

    // The password kept for `user` at `server`. `error` says why on Failed.
    virtual Result Read(const QUrl& server, const QString& user, QString& password, QString* error) = 0;
    virtual Result Write(const QUrl& server, const QString& user, const QString& password, QString* error) = 0;
    // Why nothing can be kept when there is no keyring, for the user.
    virtual QString NoKeyringText() const = 0;

    // The keeper in use: the keyring unless a test installed another.
    static PasswordKeeper& Current();
    // Installs `keeper` (not owned); null puts the keyring back.
    static void Install(PasswordKeeper* keeper);
};
