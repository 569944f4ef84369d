#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Answers a server's WWW-Authenticate challenge: HTTP Digest (RFC 7616: SHA-256 or MD5, with
// qop=auth or none) before Basic (RFC 7617), each with the user name and password as UTF-8,
// which Qt's own authenticator sends as Latin-1. Kept after a challenge, it answers the
// server's later requests at once, counting the nonce's uses as Digest wants. No I/O.
class HttpAuthorization {
public:
    enum class Scheme { None, Basic, Digest };

    // Takes the challenges of a 401 answer (several may be joined by commas). False, and
    // nothing kept, when none is Basic or a Digest this can answer.
    bool Challenge(QByteArrayView header);
    Scheme GetScheme() const { return m_scheme; }
    // The challenge said the last nonce had expired, not that the password was wrong.
    bool Stale() const { return m_stale; }

    // The Authorization header's value for a request of `method` for `uri` (the path and query
    // as sent).
    QByteArray Header(QByteArrayView method, QByteArrayView uri, const QString& user, const QString& password);

    // For tests: the client nonce that Digest would otherwise draw at random.
    void SetClientNonce(QByteArray nonce) { m_clientNonce = std::move(nonce); }

private:
    Scheme m_scheme = Scheme::None;
    bool m_sha256 = false;
    bool m_session = false;
    bool m_qopAuth = false;
    bool m_stale = false;
    QByteArray m_realm;
    QByteArray m_nonce;
    QByteArray m_opaque;
    QByteArray m_algorithm;
    QByteArray m_clientNonce;
    int m_count = 0;
};
