#pragma once

#include "core/contacts/CardDavFailure.h"
#include "core/contacts/HttpAuthorization.h"
#include "core/contacts/MultistatusReader.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QSslConfiguration>
#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class DelimitedFile;
class QNetworkAccessManager;
class QNetworkReply;

// Who asks, and where.
struct CardDavAccount {
    // A server ("https://cloud.example.org"), a principal, an address-book home, or an address
    // book's own address.
    QUrl address;
    QString user;
    QString password;
    // One more certificate to trust beside the system's (PEM or DER), for a home server that
    // signs its own; empty: the system's alone.
    QString caFile;
};

// One address book a server offers.
struct AddressBookInfo {
    QUrl url;
    // Its display name; the last part of its address when it has none.
    QString name;
    QString description;
    // The cards it holds; -1 when not counted.
    int cards = -1;
};

// Reads address books from a CardDAV server (RFC 6352), found from the server's address as
// RFC 6764 describes: /.well-known/carddav, the user's principal, its address-book home, and
// the address books there. Cards come whole by REPORT addressbook-query and go to the vCard
// reader, so a card from a server imports exactly as the same card from a file.
//
// Each call waits for its answers in a local event loop on the calling thread; a client is
// made, used and destroyed on one thread (a worker's, under a window). Basic and Digest
// authentication are answered with the account's password once per server; redirects are
// followed (never from https to http). Certificates are checked against the system's and the
// account's CA file and a failure is reported with its reason, never passed over. Every
// request is bounded in time and its answer in size; every failure leaves a CardDavFailure and
// changes nothing.
class CardDavClient {
    Q_DECLARE_TR_FUNCTIONS(CardDavClient)
public:
    // Connecting (TCP and TLS) may take this long.
    static constexpr std::chrono::milliseconds kConnectTimeout{10'000};
    // One request, from sending to the last byte of its answer.
    static constexpr std::chrono::milliseconds kRequestTimeout{60'000};
    // As large as a contacts file may be: for all the answers of one call.
    static constexpr qint64 kMaxAnswerBytes = qint64(256) << 20;
    // Redirects followed for one request, at most.
    static constexpr int kMaxRedirects = 5;

    explicit CardDavClient(CardDavAccount account);
    ~CardDavClient();
    CardDavClient(const CardDavClient&) = delete;
    CardDavClient& operator=(const CardDavClient&) = delete;

    // Asked often while a call waits; true stops it with CardDavFailure::Kind::Cancelled.
    void SetCancelCheck(std::function<bool()> cancelled) { m_cancelled = std::move(cancelled); }
    // For tests: shorter limits.
    void SetLimits(std::chrono::milliseconds connect, std::chrono::milliseconds request, qint64 maxAnswerBytes);

    // The address books found from the account's address, each with its count of cards when
    // `count` is set. nullopt on failure; an address that shows no address book is
    // Kind::NotCardDav.
    std::optional<std::vector<AddressBookInfo>> FindAddressBooks(bool count);
    // The cards of one address book, one after another as a vCard file holds them. nullopt on
    // failure.
    std::optional<QByteArray> ReadCards(const QUrl& addressBook);
    // The cards of the account's address read into `into` (an empty table) as DelimitedFile
    // reads a vCard file: the address book at that address, or the one address book found from
    // it. Several found is Kind::SeveralAddressBooks, with them in `found`. `read`, when given,
    // is set to the address book's address.
    bool ReadInto(DelimitedFile& into, QUrl* read = nullptr, std::vector<AddressBookInfo>* found = nullptr);

    const CardDavFailure& Failure() const { return m_failure; }

private:
    // PROPFIND or REPORT with an XML body, redirects followed; each response of the 207
    // multistatus goes to `onResponse` as it is read. The address finally answered, or nullopt
    // on failure.
    std::optional<QUrl> Send(const QByteArray& verb, const QUrl& url, int depth, const QByteArray& body,
                             const MultistatusReader::ResponseHandler& onResponse);
    // PROPFIND Depth 0 with the discovery properties: what the address says of itself.
    std::optional<DavResponse> Probe(QUrl& url);
    // The address books among the collections right under `home`.
    bool ListHome(const QUrl& home, std::vector<AddressBookInfo>& books);
    std::optional<int> CountCards(const QUrl& book);
    bool Fail(CardDavFailure failure);
    // The network and the certificates, made on first use on the calling thread.
    bool SetUp();
    // Whether the password may go to the server at `url`: the account's own (also moved onto
    // TLS), or a host under its name over TLS.
    bool MayAnswer(const QUrl& url) const;

    CardDavAccount m_account;
    CardDavFailure m_failure;
    std::function<bool()> m_cancelled;
    std::chrono::milliseconds m_connectTimeout = kConnectTimeout;
    std::chrono::milliseconds m_requestTimeout = kRequestTimeout;
    qint64 m_maxAnswerBytes = kMaxAnswerBytes;
    // Bytes of answers read since the call began: the bound holds for the whole call.
    qint64 m_spent = 0;
    std::unique_ptr<QNetworkAccessManager> m_network;
    QSslConfiguration m_tls;
    // The last challenge answered, and the server it came from.
    HttpAuthorization m_auth;
    QUrl m_authOrigin;
    // A request of this client went over TLS: from then on none goes without.
    bool m_wentTls = false;
};
