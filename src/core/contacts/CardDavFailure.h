#pragma once

#include <QCoreApplication>
#include <QString>
#include <QUrl>

// Why a CardDAV server could not be read, for the user.
class CardDavFailure {
    Q_DECLARE_TR_FUNCTIONS(CardDavFailure)
public:
    enum class Kind {
        None,
        // The address is not http:// or https://, or carries a password of its own.
        BadAddress,
        // The account's CA file cannot be read as a certificate.
        BadCaFile,
        // No connection: the name is unknown, the server refused or went away.
        Unreachable,
        ConnectTimeout,
        RequestTimeout,
        // The server's certificate does not verify; `detail` says why.
        Certificate,
        // An encrypted connection led to an address without encryption (`detail`): not followed.
        Unencrypted,
        // A server at another address (`detail`) asked for the password, which it was not given.
        PasswordWithheld,
        WrongPassword,
        NotFound,
        // The address answers, but shows no address book.
        NotCardDav,
        // Any other status the server answered with; `status` and `detail` (its reason).
        ServerError,
        TooLarge,
        // The answer is not the XML it should be; `detail` says where.
        BadAnswer,
        // A server address that leads to several address books, where one was wanted.
        SeveralAddressBooks,
        Cancelled,
    };

    CardDavFailure() = default;
    CardDavFailure(Kind kind, QUrl url, QString detail = {}, int status = 0)
        : m_kind(kind), m_url(std::move(url)), m_detail(std::move(detail)), m_status(status)
    {
    }

    bool IsSet() const { return m_kind != Kind::None; }
    Kind GetKind() const { return m_kind; }
    int Status() const { return m_status; }
    const QUrl& Url() const { return m_url; }
    const QString& Detail() const { return m_detail; }

    // One sentence or two that name the address (never its password) and the cause.
    QString Message() const;

private:
    Kind m_kind = Kind::None;
    QUrl m_url;
    QString m_detail;
    int m_status = 0;
};
