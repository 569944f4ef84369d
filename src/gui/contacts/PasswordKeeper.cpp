#include "gui/contacts/PasswordKeeper.h"

#include <QCoreApplication>

#include <atomic>

namespace {

// The one place the window reaches the keyring.
class KeyringKeeper final : public PasswordKeeper {
public:
    Result Read(const QUrl&, const QString&, QString&, QString*) override { return Result::NoKeyring; }
    Result Write(const QUrl&, const QString&, const QString&, QString*) override { return Result::NoKeyring; }
    QString NoKeyringText() const override
    {
        return QCoreApplication::translate("PasswordKeeper", "No keyring is available, so the password cannot be kept.");
    }
};

KeyringKeeper g_keyring;
// Read from the workers, set by tests before any starts.
std::atomic<PasswordKeeper*> g_installed{nullptr};

}  // namespace

PasswordKeeper& PasswordKeeper::Current()
{
    PasswordKeeper* installed = g_installed.load();
    return installed ? *installed : g_keyring;
}

void PasswordKeeper::Install(PasswordKeeper* keeper)
{
    g_installed.store(keeper);
}
