#include "gui/contacts/PasswordKeeper.h"

#include "core/common/Keyring.h"

namespace {

PasswordKeeper::Result FromKeyring(Keyring::Result result)
{
    switch (result) {
    case Keyring::Result::Ok:
        return PasswordKeeper::Result::Ok;
    case Keyring::Result::NotFound:
        return PasswordKeeper::Result::NotFound;
    case Keyring::Result::NoKeyring:
        return PasswordKeeper::Result::NoKeyring;
    case Keyring::Result::Failed:
        break;
    }
    return PasswordKeeper::Result::Failed;
}

// The one place the window reaches the keyring. Every address book on a server shares its
// account's password, so it is kept under the server and user alone.
class KeyringKeeper final : public PasswordKeeper {
public:
    Result Read(const QUrl& server, const QString& user, QString& password, QString* error) override
    {
        return FromKeyring(Keyring::Read(Keyring::AccountKey(server, user), password, error));
    }
    Result Write(const QUrl& server, const QString& user, const QString& password, QString* error) override
    {
        return FromKeyring(Keyring::Write(Keyring::AccountKey(server, user), password, error));
    }
    QString NoKeyringText() const override { return Keyring::NoKeyringText(); }
};

KeyringKeeper g_keyring;
PasswordKeeper* g_installed = nullptr;

}  // namespace

PasswordKeeper& PasswordKeeper::Current()
{
    return g_installed ? *g_installed : g_keyring;
}

void PasswordKeeper::Install(PasswordKeeper* keeper)
{
    g_installed = keeper;
}
