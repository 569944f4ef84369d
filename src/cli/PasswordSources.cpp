#include "cli/PasswordSources.h"

#include "cli/TerminalPassword.h"
#include "core/common/Keyring.h"
#include "core/common/PasswordFile.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

void Say(const CommandConsole& console, const QString& text)
{
    std::fprintf(console.err, "%s\n", qPrintable(text));
}

// The server as the person knows it, without a path or a password written into the address.
QString ServerName(const QUrl& server)
{
    return server.adjusted(QUrl::RemoveUserInfo | QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment)
        .toString();
}

}  // namespace

PasswordSource ObtainPassword(const CommandConsole& console, const PasswordRequest& request, QString& password,
                              bool askAgain)
{
    password.clear();
    if (!request.passwordFile.isEmpty()) {
        QString complaint;
        if (ReadPasswordFile(request.passwordFile, password, complaint))
            return PasswordSource::File;
        Say(console, complaint);
        return PasswordSource::None;
    }

    QString error;
    switch (askAgain ? Keyring::Result::NotFound
                     : Keyring::Read(Keyring::AccountKey(request.server, request.user), password, &error)) {
    case Keyring::Result::Ok: return PasswordSource::Keyring;
    case Keyring::Result::NotFound: break;
    case Keyring::Result::NoKeyring: Say(console, Keyring::NoKeyringText()); break;
    case Keyring::Result::Failed:
        Say(console,
            QCoreApplication::translate("PasswordSources", "The password could not be looked up in the keyring: %1")
                .arg(error));
        break;
    }

    if (!console.canAsk) {
        Say(console, QCoreApplication::translate("PasswordSources",
                                                 "There is no terminal to ask for the password on. Give it with "
                                                 "--password-file FILE, a file that only you may read (chmod 600 "
                                                 "FILE)."));
        return PasswordSource::None;
    }
    //: %1 is the user name, %2 the server as scheme://host.
    const QString prompt = QCoreApplication::translate("PasswordSources", "Password for %1 at %2: ")
                               .arg(request.user, ServerName(request.server));
    if (AskPassword(prompt, password))
        return PasswordSource::Prompt;
    Say(console, QCoreApplication::translate("PasswordSources",
                                             "No password was typed. To give it without typing, use "
                                             "--password-file FILE, a file that only you may read (chmod 600 FILE)."));
    return PasswordSource::None;
}

void KeepPasswordIfAsked(const CommandConsole& console, const PasswordRequest& request, PasswordSource source,
                         const QString& password)
{
    if (source != PasswordSource::Prompt || !request.savePassword)
        return;
    QString error;
    switch (Keyring::Write(Keyring::AccountKey(request.server, request.user), password, &error)) {
    case Keyring::Result::Ok: break;
    case Keyring::Result::NoKeyring:
        Say(console, QCoreApplication::translate("PasswordSources",
                                                 "The password was not kept: no keyring is running. It is asked for "
                                                 "again next time."));
        break;
    case Keyring::Result::NotFound:
    case Keyring::Result::Failed:
        Say(console,
            QCoreApplication::translate("PasswordSources", "The password could not be kept in the keyring: %1")
                .arg(error));
        break;
    }
}
