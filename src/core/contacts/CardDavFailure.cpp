#include "core/contacts/CardDavFailure.h"

QString CardDavFailure::Message() const
{
    const QString url = m_url.toDisplayString(QUrl::RemovePassword);
    switch (m_kind) {
    case Kind::None:
        return {};
    case Kind::BadAddress:
        if (!m_detail.isEmpty())
            return tr("The address %1 holds a password. Give the address without it, and the user name and the "
                      "password apart.")
                .arg(url);
        return tr("%1 is not the address of a server: it must begin with https:// or http://.").arg(url);
    case Kind::BadCaFile:
        return tr("The certificate %1 could not be read: it is no PEM or DER certificate.").arg(m_detail);
    case Kind::Unreachable:
        return tr("Could not reach %1: %2.").arg(url, m_detail);
    case Kind::ConnectTimeout:
        return tr("Could not connect to %1 within %2 seconds.").arg(url, m_detail);
    case Kind::RequestTimeout:
        return tr("The server at %1 did not answer within %2 seconds.").arg(url, m_detail);
    case Kind::Certificate:
        return tr("The certificate of %1 was refused: %2.").arg(url, m_detail);
    case Kind::Unencrypted:
        return tr("The server at %1 sent the connection on to %2, which is not encrypted; it was not followed.")
            .arg(url, m_detail);
    case Kind::PasswordWithheld:
        return tr("The server at %1 sent the connection on to %2, another server, which asked for the password; "
                  "it was not given.")
            .arg(url, m_detail);
    case Kind::WrongPassword:
        return tr("The server at %1 refused the user name or the password.").arg(url);
    case Kind::NotFound:
        return tr("There is nothing at %1 (the server answered 404 Not Found).").arg(url);
    case Kind::NotCardDav:
        return tr("%1 shows no address book: it is no CardDAV server, or it keeps none for this user.").arg(url);
    case Kind::ServerError:
        return tr("The server at %1 answered %2 %3.").arg(url).arg(m_status).arg(m_detail).trimmed();
    case Kind::TooLarge:
        return tr("The answer of %1 is larger than %2 MB; nothing was read.").arg(url, m_detail);
    case Kind::BadAnswer:
        return tr("The answer of %1 could not be read: %2.").arg(url, m_detail);
    case Kind::SeveralAddressBooks:
        return tr("%1 leads to %2 address books; give the address of one of them.").arg(url, m_detail);
    case Kind::Cancelled:
        return tr("Reading from %1 was cancelled.").arg(url);
    }
    return {};
}
