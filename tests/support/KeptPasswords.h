#pragma once

#include "gui/contacts/PasswordKeeper.h"

#include <QMap>
#include <QString>
#include <QUrl>

// A keyring in memory for the window's tests, or none at all: installed while it lives.
class KeptPasswords final : public PasswordKeeper {
public:
    explicit KeptPasswords(bool running = true) : m_running(running) { Install(this); }
    ~KeptPasswords() override { Install(nullptr); }

    Result Read(const QUrl& server, const QString& user, QString& password, QString*) override
    {
        ++m_reads;
        if (!m_running)
            return Result::NoKeyring;
        const auto kept = m_kept.constFind(Key(server, user));
        if (kept == m_kept.constEnd())
            return Result::NotFound;
        password = *kept;
        return Result::Ok;
    }
    Result Write(const QUrl& server, const QString& user, const QString& password, QString*) override
    {
        if (!m_running)
            return Result::NoKeyring;
        m_kept.insert(Key(server, user), password);
        return Result::Ok;
    }
    QString NoKeyringText() const override { return QStringLiteral("No keyring runs here."); }

    QString Kept(const QUrl& server, const QString& user) const
    {
        return m_kept.value(Key(server, user));
    }
    int Reads() const
    {
        return m_reads;
    }

private:
    static QString Key(const QUrl& server, const QString& user) { return user + u'@' + server.toString(); }

    bool m_running;
    QMap<QString, QString> m_kept;
    int m_reads = 0;
};
