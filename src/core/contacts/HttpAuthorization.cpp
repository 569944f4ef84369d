#include "core/contacts/HttpAuthorization.h"

#include <QCryptographicHash>
#include <QList>
#include <QMap>
#include <QRandomGenerator>

namespace {

struct Parsed {
    QByteArray scheme;
    QMap<QByteArray, QByteArray> parameters;  // names in lower case
};

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// "Digest realm="a", qop="auth,auth-int", Basic realm="b"": each scheme with its parameters.
QList<Parsed> ParseChallenges(QByteArrayView text)
{
    QList<Parsed> challenges;
    qsizetype at = 0;
    const qsizetype end = text.size();
    while (at < end) {
        while (at < end && (IsSpace(text[at]) || text[at] == ','))
            ++at;
        const qsizetype start = at;
        while (at < end && !IsSpace(text[at]) && text[at] != ',' && text[at] != '=')
            ++at;
        const QByteArray token = text.sliced(start, at - start).toByteArray();
        if (token.isEmpty()) {
            ++at;
            continue;
        }
        qsizetype look = at;
        while (look < end && IsSpace(text[look]))
            ++look;
        if (look >= end || text[look] != '=') {
            challenges.append({token.toLower(), {}});
            continue;
        }
        // A parameter of the challenge before it.
        at = look + 1;
        while (at < end && IsSpace(text[at]))
            ++at;
        QByteArray value;
        if (at < end && text[at] == '"') {
            for (++at; at < end && text[at] != '"'; ++at) {
                if (text[at] == '\\' && at + 1 < end)
                    ++at;
                value.append(text[at]);
            }
            ++at;
        } else {
            const qsizetype from = at;
            while (at < end && text[at] != ',' && !IsSpace(text[at]))
                ++at;
            value = text.sliced(from, at - from).toByteArray();
        }
        if (!challenges.isEmpty())
            challenges.last().parameters.insert(token.toLower(), value);
    }
    return challenges;
}

QByteArray Hash(bool sha256, const QByteArray& text)
{
    return QCryptographicHash::hash(text, sha256 ? QCryptographicHash::Sha256 : QCryptographicHash::Md5).toHex();
}

QByteArray Quoted(const QByteArray& value)
{
    QByteArray q = value;
    q.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + q + '"';
}

}  // namespace

bool HttpAuthorization::Challenge(QByteArrayView header)
{
    const QList<Parsed> challenges = ParseChallenges(header);
    // The strongest that can be answered: Digest with SHA-256, with MD5, then Basic.
    const Parsed* best = nullptr;
    int bestRank = 0;
    for (const Parsed& c : challenges) {
        int rank = 0;
        if (c.scheme == "basic") {
            rank = 1;
        } else if (c.scheme == "digest") {
            const QByteArray algorithm = c.parameters.value("algorithm", "MD5").toUpper();
            const QList<QByteArray> qops = c.parameters.value("qop").split(',');
            const bool qopUsable =
                !c.parameters.contains("qop") ||
                std::any_of(qops.begin(), qops.end(), [](const QByteArray& q) { return q.trimmed().toLower() == "auth"; });
            if (!c.parameters.value("nonce").isEmpty() && qopUsable) {
                if (algorithm == "SHA-256" || algorithm == "SHA-256-SESS")
                    rank = 3;
                else if (algorithm == "MD5" || algorithm == "MD5-SESS")
                    rank = 2;
            }
        }
        if (rank > bestRank) {
            best = &c;
            bestRank = rank;
        }
    }
    if (!best)
        return false;
    const auto& p = best->parameters;
    m_scheme = bestRank == 1 ? Scheme::Basic : Scheme::Digest;
    m_realm = p.value("realm");
    m_nonce = p.value("nonce");
    m_opaque = p.value("opaque");
    m_algorithm = p.value("algorithm");
    m_sha256 = bestRank == 3;
    m_session = m_algorithm.toUpper().endsWith("-SESS");
    m_qopAuth = p.contains("qop");
    m_stale = p.value("stale").toLower() == "true";
    m_count = 0;
    return true;
}

QByteArray HttpAuthorization::Header(QByteArrayView method, QByteArrayView uri, const QString& user,
                                     const QString& password)
{
    const QByteArray name = user.toUtf8();
    if (m_scheme == Scheme::Basic)
        return "Basic " + (name + ':' + password.toUtf8()).toBase64();
    if (m_scheme != Scheme::Digest)
        return {};
    const QByteArray cnonce = m_clientNonce.isEmpty()
                                  ? QByteArray::number(QRandomGenerator::system()->generate64(), 16)
                                  : m_clientNonce;
    const QByteArray nc = QByteArray::number(++m_count, 16).rightJustified(8, '0');
    QByteArray ha1 = Hash(m_sha256, name + ':' + m_realm + ':' + password.toUtf8());
    if (m_session)
        ha1 = Hash(m_sha256, ha1 + ':' + m_nonce + ':' + cnonce);
    const QByteArray ha2 = Hash(m_sha256, method.toByteArray() + ':' + uri.toByteArray());
    const QByteArray response = m_qopAuth ? Hash(m_sha256, ha1 + ':' + m_nonce + ':' + nc + ':' + cnonce + ":auth:" + ha2)
                                          : Hash(m_sha256, ha1 + ':' + m_nonce + ':' + ha2);
    QByteArray header = "Digest username=" + Quoted(name) + ", realm=" + Quoted(m_realm) + ", nonce=" +
                        Quoted(m_nonce) + ", uri=" + Quoted(uri.toByteArray()) + ", response=" + Quoted(response);
    if (!m_algorithm.isEmpty())
        header += ", algorithm=" + m_algorithm;
    if (m_qopAuth)
        header += ", qop=auth, nc=" + nc + ", cnonce=" + Quoted(cnonce);
    if (!m_opaque.isEmpty())
        header += ", opaque=" + Quoted(m_opaque);
    return header;
}
