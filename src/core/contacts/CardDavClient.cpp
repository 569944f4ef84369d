#include "core/contacts/CardDavClient.h"

#include "core/common/Log.h"
#include "core/contacts/DelimitedFile.h"
#include "core/contacts/HttpAuthorization.h"

#include <QSet>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QSslError>
#include <QTimer>

#include <algorithm>

namespace {

// How often a waiting call looks whether it was cancelled.
constexpr int kCancelPollMs = 50;
// Address books taken from one home, at most: more than anyone keeps, fewer than a hostile
// listing could name (each is counted by a request of its own).
constexpr std::size_t kMaxAddressBooks = 200;
// Challenges answered for one request: the first, and one that only renews the nonce.
constexpr int kMaxAuthTries = 2;
// Cards fetched by their addresses in one request, at most.
constexpr qsizetype kMultigetBatch = 500;
// What the network may hold of an answer before it is read.
constexpr qint64 kReplyBuffer = 4 << 20;
// The answer goes to the XML reader in pieces of this size.
constexpr qint64 kReadPiece = 64 * 1024;
// What is read of an answer that is not the multistatus asked for: its reason at most.
constexpr qint64 kMaxOtherAnswerBytes = 64 * 1024;

bool IsRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// The address as it may be shown: never with a password.
QUrl Shown(const QUrl& url)
{
    return url.adjusted(QUrl::RemovePassword);
}

int DefaultedPort(const QUrl& url)
{
    return url.port(url.scheme() == u"https" ? 443 : 80);
}

bool SameOrigin(const QUrl& a, const QUrl& b)
{
    return a.scheme() == b.scheme() && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 &&
           DefaultedPort(a) == DefaultedPort(b);
}

// The request's target as Qt writes it in the request line, which Digest signs.
QByteArray RequestUri(QUrl url)
{
    QUrl::FormattingOptions format(QUrl::RemoveFragment | QUrl::RemoveUserInfo | QUrl::FullyEncoded |
                                   QUrl::RemoveScheme | QUrl::RemoveAuthority);
    if (url.path().isEmpty())
        url.setPath(QStringLiteral("/"));
    else
        format |= QUrl::NormalizePathSegments;
    return url.toEncoded(format);
}

// Collections are compared by path, with or without their final slash.
QString Key(const QUrl& url)
{
    QString path = url.path(QUrl::FullyEncoded);
    if (!path.endsWith(u'/'))
        path.append(u'/');
    return url.scheme() + QStringLiteral("://") + url.host().toLower() + u':' + QString::number(DefaultedPort(url)) +
           path;
}

// A card's formatted name, folded, to sort by: its FN line's value as written (a folded or
// encoded one sorts by what is there; the order is a courtesy, not a promise).
QString SortKey(QByteArrayView card)
{
    qsizetype at = 0;
    while (at < card.size()) {
        qsizetype end = card.indexOf('\n', at);
        if (end < 0)
            end = card.size();
        const QByteArrayView line = card.sliced(at, end - at);
        if (line.size() > 2 && (line.startsWith("FN") || line.startsWith("fn")) && (line[2] == ':' || line[2] == ';')) {
            const qsizetype colon = line.indexOf(':');
            return QString::fromUtf8(line.sliced(colon + 1).trimmed()).toCaseFolded();
        }
        at = end + 1;
    }
    return {};
}

QString LastSegment(const QUrl& url)
{
    const QStringList parts = url.path().split(u'/', Qt::SkipEmptyParts);
    return parts.isEmpty() ? url.host() : parts.last();
}

}  // namespace

CardDavClient::CardDavClient(CardDavAccount account) : m_account(std::move(account)) {}

CardDavClient::~CardDavClient() = default;

void CardDavClient::SetLimits(std::chrono::milliseconds connect, std::chrono::milliseconds request, qint64 maxAnswerBytes)
{
    m_connectTimeout = connect;
    m_requestTimeout = request;
    m_maxAnswerBytes = maxAnswerBytes;
}

bool CardDavClient::Fail(CardDavFailure failure)
{
    m_failure = std::move(failure);
    qCDebug(lcDialbook) << "CardDAV:" << m_failure.Message();
    return false;
}

bool CardDavClient::SetUp()
{
    m_failure = {};
    const QUrl& address = m_account.address;
    if (!address.isValid() || (address.scheme() != u"http" && address.scheme() != u"https") || address.host().isEmpty())
        return Fail({CardDavFailure::Kind::BadAddress, Shown(address)});
    // A password in the address would be seen by everyone who can list processes or read logs.
    if (!address.password().isEmpty())
        return Fail({CardDavFailure::Kind::BadAddress, Shown(address), QStringLiteral("password")});
    if (m_network)
        return true;
    m_tls = QSslConfiguration::defaultConfiguration();
    if (!m_account.caFile.isEmpty()) {
        QList<QSslCertificate> extra = QSslCertificate::fromPath(m_account.caFile, QSsl::Pem);
        if (extra.isEmpty())
            extra = QSslCertificate::fromPath(m_account.caFile, QSsl::Der);
        if (extra.isEmpty())
            return Fail({CardDavFailure::Kind::BadCaFile, Shown(address), m_account.caFile});
        // The system's certificates stay trusted beside the one given.
        m_tls.setCaCertificates(QSslConfiguration::systemCaCertificates() + extra);
    }
    m_network = std::make_unique<QNetworkAccessManager>();
    // Qt's own answer to a challenge sends Latin-1; the challenges are answered in Send
    // instead, so Qt's authenticationRequired stays unanswered and the 401 comes back.
    return true;
}

bool CardDavClient::MayAnswer(const QUrl& url) const
{
    const QUrl& own = m_account.address;
    if (own.scheme() == u"https" && url.scheme() != u"https")
        return false;
    const QString host = url.host().toLower();
    const QString ownHost = own.host().toLower();
    // The same server, or the same name moved onto TLS.
    if (host == ownHost)
        return (url.scheme() == own.scheme() && DefaultedPort(url) == DefaultedPort(own)) || url.scheme() == u"https";
    // A host under the account's own name (example.org's /.well-known/carddav sending on to
    // dav.example.org), over TLS. Never a sibling: under a shared parent (duckdns.org,
    // synology.me) a sibling may be anyone's.
    return url.scheme() == u"https" && QHostAddress(ownHost).isNull() && host.endsWith(u'.' + ownHost);
}

std::optional<QUrl> CardDavClient::Send(const QByteArray& verb, const QUrl& start, int depth, const QByteArray& body,
                                        const MultistatusReader::ResponseHandler& onResponse)
{
    QUrl url = start;
    int authTries = 0;
    for (int hop = 0;; ++hop) {
        // Once on TLS, nothing goes out in the clear: not by a redirect, nor by an address that
        // an answer names.
        if ((m_account.address.scheme() == u"https" || m_wentTls) && url.scheme() != u"https") {
            Fail({CardDavFailure::Kind::Unencrypted, Shown(start), Shown(url).toString()});
            return std::nullopt;
        }
        QNetworkRequest request(url);
        // A server that asked once is answered at once from then on.
        const bool answered = m_auth.GetScheme() != HttpAuthorization::Scheme::None &&
                              SameOrigin(url, m_authOrigin) && MayAnswer(url);
        if (answered)
            request.setRawHeader(QByteArrayLiteral("Authorization"),
                                 m_auth.Header(verb, RequestUri(url), m_account.user, m_account.password));
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/xml; charset=utf-8"));
        request.setRawHeader(QByteArrayLiteral("Depth"), QByteArray::number(depth));
        request.setSslConfiguration(m_tls);

        m_wentTls = m_wentTls || url.scheme() == u"https";
        QNetworkReply* reply = m_network->sendCustomRequest(request, verb, body);
        // The network thread stops reading from the server when this much waits for us.
        reply->setReadBufferSize(kReplyBuffer);
        const std::unique_ptr<QNetworkReply, void (*)(QNetworkReply*)> owner(reply, [](QNetworkReply* r) {
            r->disconnect();
            r->abort();
            r->deleteLater();
        });
        MultistatusReader reader(onResponse);
        enum class Stop { None, ConnectTimeout, RequestTimeout, TooLarge, Cancelled, BadAnswer, Enough } stop = Stop::None;
        bool sent = false;
        qint64 received = 0;
        QByteArray other;
        QStringList certificateErrors;

        QEventLoop loop;
        const auto stopWith = [&](Stop why) {
            if (stop == Stop::None)
                stop = why;
            reply->abort();
        };
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QObject::connect(reply, &QNetworkReply::requestSent, &loop, [&] { sent = true; });
        QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
            const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
            if (m_spent + length > m_maxAnswerBytes)
                stopWith(Stop::TooLarge);
        });
        QObject::connect(reply, &QNetworkReply::sslErrors, &loop, [&](const QList<QSslError>& errors) {
            for (const QSslError& e : errors)
                certificateErrors.append(e.errorString());
        });
        QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
            const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            // Over loopback a whole answer arrives at once; read in pieces, the XML reader never
            // holds more than one of them decoded.
            // What the network holds counts before it is read: it may have taken in far more
            // than a piece since the last look.
            if (m_spent + received + reply->bytesAvailable() > m_maxAnswerBytes)
                stopWith(Stop::TooLarge);
            while (stop == Stop::None && reply->bytesAvailable() > 0) {
                QByteArray piece = reply->read(kReadPiece);
                received += piece.size();
                if (status != 207) {
                    // Of any other answer its status is what counts; the rest is not waited for.
                    other.append(piece.left(kMaxOtherAnswerBytes - other.size()));
                    if (other.size() >= kMaxOtherAnswerBytes)
                        stopWith(Stop::Enough);
                } else if (!reader.Feed(std::move(piece))) {
                    stopWith(Stop::BadAnswer);
                }
            }
        });
        QTimer connectTimer;
        connectTimer.setSingleShot(true);
        QObject::connect(&connectTimer, &QTimer::timeout, &loop, [&] {
            if (!sent)
                stopWith(Stop::ConnectTimeout);
        });
        connectTimer.start(m_connectTimeout);
        QTimer requestTimer;
        requestTimer.setSingleShot(true);
        QObject::connect(&requestTimer, &QTimer::timeout, &loop, [&] { stopWith(Stop::RequestTimeout); });
        requestTimer.start(m_requestTimeout);
        QTimer cancelPoll;
        QObject::connect(&cancelPoll, &QTimer::timeout, &loop, [&] {
            if (m_cancelled && m_cancelled())
                stopWith(Stop::Cancelled);
        });
        cancelPoll.start(kCancelPollMs);
        if (!reply->isFinished())
            loop.exec();
        m_spent += received;

        const QUrl shown = Shown(url);
        switch (stop) {
        case Stop::Cancelled:
            Fail({CardDavFailure::Kind::Cancelled, shown});
            return std::nullopt;
        case Stop::ConnectTimeout:
            Fail({CardDavFailure::Kind::ConnectTimeout, shown,
                  QString::number(std::chrono::duration_cast<std::chrono::seconds>(m_connectTimeout).count())});
            return std::nullopt;
        case Stop::RequestTimeout:
            Fail({CardDavFailure::Kind::RequestTimeout, shown,
                  QString::number(std::chrono::duration_cast<std::chrono::seconds>(m_requestTimeout).count())});
            return std::nullopt;
        case Stop::TooLarge:
            Fail({CardDavFailure::Kind::TooLarge, shown, QString::number(m_maxAnswerBytes >> 20)});
            return std::nullopt;
        case Stop::BadAnswer:
            Fail({CardDavFailure::Kind::BadAnswer, shown, reader.Error()});
            return std::nullopt;
        case Stop::None:
        case Stop::Enough:
            break;
        }
        QByteArray challengeHeader;
        int status = 0;
        if (!certificateErrors.isEmpty()) {
            certificateErrors.removeDuplicates();
            Fail({CardDavFailure::Kind::Certificate, shown, certificateErrors.join(QStringLiteral("; "))});
            return std::nullopt;
        }
        const QVariant statusAttribute = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (status == 0 && !statusAttribute.isValid()) {
            Fail({CardDavFailure::Kind::Unreachable, shown, reply->errorString()});
            return std::nullopt;
        }
        if (status == 0) {
            status = statusAttribute.toInt();
            challengeHeader = reply->rawHeader(QByteArrayLiteral("WWW-Authenticate"));
        }
        const QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        if (IsRedirect(status)) {
            const QUrl location = url.resolved(QUrl::fromEncoded(reply->rawHeader(QByteArrayLiteral("Location"))));
            if (hop >= kMaxRedirects || !location.isValid() || location.host().isEmpty() ||
                (location.scheme() != u"http" && location.scheme() != u"https")) {
                Fail({CardDavFailure::Kind::ServerError, shown, reason, status});
                return std::nullopt;
            }
            if (url.scheme() == u"https" && location.scheme() != u"https") {
                Fail({CardDavFailure::Kind::Unencrypted, shown, Shown(location).toString()});
                return std::nullopt;
            }
            url = location;
            continue;
        }
        if (status == 401) {
            if (!MayAnswer(url)) {
                Fail({CardDavFailure::Kind::PasswordWithheld, Shown(m_account.address), shown.toString()});
                return std::nullopt;
            }
            // Asked with the password given: it is wrong, unless the server only wants a new
            // nonce. A challenge that cannot be answered reads as a refusal too.
            HttpAuthorization challenge;
            if (challenge.Challenge(challengeHeader) &&
                (!answered || challenge.Stale()) && ++authTries <= kMaxAuthTries) {
                m_auth = challenge;
                m_authOrigin = url;
                --hop;
                continue;
            }
        }
        if (status == 401 || status == 407) {
            Fail({CardDavFailure::Kind::WrongPassword, shown});
            return std::nullopt;
        }
        if (status == 404 || status == 410) {
            Fail({CardDavFailure::Kind::NotFound, shown});
            return std::nullopt;
        }
        if (status != 207) {
            Fail({CardDavFailure::Kind::ServerError, shown, reason, status});
            return std::nullopt;
        }
        if (reply->error() != QNetworkReply::NoError) {
            // The server went away part way through its answer.
            Fail({CardDavFailure::Kind::Unreachable, shown, reply->errorString()});
            return std::nullopt;
        }
        if (!reader.Finish()) {
            Fail({CardDavFailure::Kind::BadAnswer, shown, reader.Error()});
            return std::nullopt;
        }
        return url;
    }
}

std::optional<DavResponse> CardDavClient::Probe(QUrl& url)
{
    std::optional<DavResponse> self;
    const auto answered = Send(QByteArrayLiteral("PROPFIND"), url, 0, MultistatusReader::DiscoveryRequest(),
                               [&self](DavResponse&& r) {
                                   if (!self)
                                       self = std::move(r);
                               });
    if (!answered)
        return std::nullopt;
    url = *answered;
    if (!self) {
        Fail({CardDavFailure::Kind::NotCardDav, Shown(url)});
        return std::nullopt;
    }
    return self;
}

bool CardDavClient::ListHome(const QUrl& home, std::vector<AddressBookInfo>& books)
{
    std::vector<AddressBookInfo> found;
    const auto answered =
        Send(QByteArrayLiteral("PROPFIND"), home, 1, MultistatusReader::ListingRequest(), [&](DavResponse&& r) {
            if (!r.addressBook || found.size() >= kMaxAddressBooks)
                return;
            AddressBookInfo book;
            book.url = home.resolved(QUrl(r.href));
            book.name = r.displayName.isEmpty() ? LastSegment(book.url) : r.displayName;
            book.description = r.description;
            found.push_back(std::move(book));
        });
    if (!answered)
        return false;
    for (AddressBookInfo& book : found) {
        const bool known = std::any_of(books.begin(), books.end(),
                                       [&](const AddressBookInfo& b) { return Key(b.url) == Key(book.url); });
        if (!known)
            books.push_back(std::move(book));
    }
    return true;
}

std::optional<int> CardDavClient::CountCards(const QUrl& book)
{
    int cards = 0;
    const QString own = Key(book);
    const auto answered =
        Send(QByteArrayLiteral("PROPFIND"), book, 1, MultistatusReader::CountRequest(), [&](DavResponse&& r) {
            if (!r.collection && Key(book.resolved(QUrl(r.href))) != own)
                ++cards;
        });
    if (!answered)
        return std::nullopt;
    return cards;
}

std::optional<std::vector<AddressBookInfo>> CardDavClient::FindAddressBooks(bool count)
{
    if (!SetUp())
        return std::nullopt;
    m_spent = 0;
    QUrl url = m_account.address;
    if (url.path().isEmpty())
        url.setPath(QStringLiteral("/"));
    std::optional<DavResponse> self;
    // A server's bare address: where its CardDAV service lives is said at a well-known
    // address, which commonly redirects.
    if (url.path() == u"/") {
        QUrl known = url.resolved(QUrl(QStringLiteral("/.well-known/carddav")));
        self = Probe(known);
        if (self)
            url = known;
        else if (m_failure.GetKind() != CardDavFailure::Kind::NotFound &&
                 m_failure.GetKind() != CardDavFailure::Kind::ServerError &&
                 m_failure.GetKind() != CardDavFailure::Kind::BadAnswer &&
                 m_failure.GetKind() != CardDavFailure::Kind::NotCardDav)
            return std::nullopt;
    }
    if (!self)
        self = Probe(url);
    if (!self) {
        // A web server that knows no WebDAV answers PROPFIND with 405 or 501, or with a page.
        if (m_failure.GetKind() == CardDavFailure::Kind::ServerError &&
            (m_failure.Status() == 405 || m_failure.Status() == 501 || m_failure.Status() == 200))
            Fail({CardDavFailure::Kind::NotCardDav, Shown(m_account.address)});
        else if (m_failure.GetKind() == CardDavFailure::Kind::BadAnswer)
            Fail({CardDavFailure::Kind::NotCardDav, Shown(m_account.address), m_failure.Detail()});
        return std::nullopt;
    }
    std::vector<AddressBookInfo> books;
    if (self->addressBook) {
        AddressBookInfo book;
        book.url = url;
        book.name = self->displayName.isEmpty() ? LastSegment(url) : self->displayName;
        books.push_back(std::move(book));
    } else {
        QStringList homes = self->homeSet;
        QUrl base = url;
        if (homes.isEmpty() && !self->principal.isEmpty()) {
            QUrl principal = url.resolved(QUrl(self->principal));
            const std::optional<DavResponse> p = Probe(principal);
            if (!p)
                return std::nullopt;
            homes = p->homeSet;
            base = principal;
            // A principal without a home set may hold the address books itself.
            if (homes.isEmpty())
                homes.append(principal.toString());
        }
        if (homes.isEmpty())
            homes.append(url.toString());
        for (const QString& home : homes)
            if (!ListHome(base.resolved(QUrl(home)), books))
                return std::nullopt;
    }
    if (books.empty()) {
        Fail({CardDavFailure::Kind::NotCardDav, Shown(m_account.address)});
        return std::nullopt;
    }
    // Servers list them in an order of their own; people look for theirs by name.
    std::stable_sort(books.begin(), books.end(), [](const AddressBookInfo& a, const AddressBookInfo& b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    if (count) {
        for (AddressBookInfo& book : books) {
            const std::optional<int> cards = CountCards(book.url);
            if (!cards)
                return std::nullopt;
            book.cards = *cards;
        }
    }
    return books;
}

std::optional<QByteArray> CardDavClient::ReadCards(const QUrl& addressBook)
{
    if (!SetUp())
        return std::nullopt;
    // One bound for all the requests of one read, the cards fetched by address too.
    m_spent = 0;
    // A server lists its cards in an order of its own (often by a hash); they are put in the
    // order of their names, as an address book shows them, so that "the first" means something.
    struct Card {
        QString key;
        QByteArray data;
    };
    std::vector<Card> cards;
    qsizetype total = 0;
    // Each card once, however often the server names it; those it names without their data
    // are fetched by their addresses.
    QSet<QString> taken;
    QStringList missing;
    bool truncated = false;
    bool fetchingMissing = false;
    QSet<QString> asked;
    const QString own = Key(addressBook);
    const auto take = [&](DavResponse&& r) {
        if (r.status == 507)
            truncated = true;
        const QUrl url = addressBook.resolved(QUrl(r.href));
        const QString key = Key(url);
        if (r.href.isEmpty() || key == own || r.collection || taken.contains(key))
            return;
        if (!r.hasAddressData || r.addressData.isEmpty()) {
            if (!fetchingMissing && (r.status == 0 || (r.status >= 200 && r.status < 300)))
                missing.append(r.href);
            return;
        }
        // What was not asked for is not taken from a second answer.
        if (fetchingMissing && !asked.contains(key))
            return;
        taken.insert(key);
        total += r.addressData.size() + 2;
        QString sortKey = SortKey(r.addressData);
        cards.push_back({std::move(sortKey), std::move(r.addressData)});
    };
    if (!Send(QByteArrayLiteral("REPORT"), addressBook, 1, MultistatusReader::CardsRequest(), take))
        return std::nullopt;
    // RFC 6352: a server that holds back part of the result says so with 507 for the address
    // book; an import of part of it would look whole.
    if (truncated) {
        Fail({CardDavFailure::Kind::ServerError, Shown(addressBook), QStringLiteral("Insufficient Storage"), 507});
        return std::nullopt;
    }
    missing.removeDuplicates();
    fetchingMissing = true;
    for (const QString& href : missing)
        asked.insert(Key(addressBook.resolved(QUrl(href))));
    for (qsizetype at = 0; at < missing.size(); at += kMultigetBatch) {
        const QStringList batch = missing.mid(at, kMultigetBatch);
        if (!Send(QByteArrayLiteral("REPORT"), addressBook, 1, MultistatusReader::CardsByAddressRequest(batch), take))
            return std::nullopt;
    }
    const qsizetype withoutData = std::count_if(missing.begin(), missing.end(), [&](const QString& href) {
        return !taken.contains(Key(addressBook.resolved(QUrl(href))));
    });
    if (withoutData > 0) {
        Fail({CardDavFailure::Kind::BadAnswer, Shown(addressBook),
              tr("%n cards came without their data", nullptr, static_cast<int>(withoutData))});
        return std::nullopt;
    }
    std::stable_sort(cards.begin(), cards.end(), [](const Card& a, const Card& b) { return a.key < b.key; });
    QByteArray all;
    all.reserve(total);
    for (Card& card : cards) {
        all.append(card.data);
        if (!all.endsWith('\n'))
            all.append("\r\n");
        card.data = QByteArray();
    }
    return all;
}

bool CardDavClient::ReadInto(DelimitedFile& into, QUrl* read, std::vector<AddressBookInfo>* found)
{
    const std::optional<std::vector<AddressBookInfo>> books = FindAddressBooks(false);
    if (!books)
        return false;
    if (found)
        *found = *books;
    if (books->size() > 1)
        return Fail({CardDavFailure::Kind::SeveralAddressBooks, Shown(m_account.address),
                     QString::number(books->size())});
    const QUrl book = books->front().url;
    if (read)
        *read = book;
    std::optional<QByteArray> cards = ReadCards(book);
    if (!cards)
        return false;
    // An empty address book reads as a table without columns, which imports nothing.
    if (cards->isEmpty())
        return true;
    return into.ReadBytes(*cards, Shown(book).toString()) ||
           Fail({CardDavFailure::Kind::BadAnswer, Shown(book), into.LastError()});
}
