#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

// A real CardDAV server on loopback for the length of a test: Radicale or Xandikos, each in a
// folder of its own, with one user "ana" who must give her password (HTTP Basic) for every
// request. Stops the server when it goes.
class CardDavServer {
public:
    enum class Kind { Radicale, Xandikos };

    struct Reply {
        int status = 0; // 0 when no HTTP answer came (refused connection, server gone)
        QByteArray body;
    };

    CardDavServer() = default;
    ~CardDavServer();
    CardDavServer(const CardDavServer&) = delete;
    CardDavServer& operator=(const CardDavServer&) = delete;

    static QString ProgramName(Kind kind);
    // Whether the server program is there to be started.
    static bool IsInstalled(Kind kind);

    struct Options {
        // Xandikos only: ask for the password by Digest rather than Basic.
        bool digest = false;
        // The user's password, when not the usual one.
        QString password;
        // Radicale only: serve https with this certificate and key (PEM files).
        QString certificate;
        QString key;
    };

    // Starts the server and waits (bounded) until it accepts connections.
    bool Start(Kind kind, const Options& options);
    bool Start(Kind kind) { return Start(kind, Options()); }
    // A self-signed certificate for 127.0.0.1 and its key, made with openssl in `folder`.
    static bool MakeCertificate(const QString& folder, QString& certificate, QString& key);
    // Stops the server at once, as one that goes away while a client talks to it.
    void Stop();

    QUrl BaseUrl() const;
    QString User() const { return QStringLiteral("ana"); }
    QString Password() const
    {
        return m_options.password.isEmpty() ? QStringLiteral("Gl4ss-Harbour") : m_options.password;
    }
    // Where an address book of that name is: Radicale keeps them right under the principal
    // (/ana/NAME/), Xandikos under its address book home (/ana/contacts/NAME/).
    QUrl BookUrl(const QString& name) const;

    bool AddAddressBook(const QString& name);
    bool PutCard(const QString& book, const QString& uid, const QByteArray& vcard);
    // Puts the cards of a vCard file whose UID is in `uids` (all when empty), each under its
    // UID with what a path cannot hold as "-". False at the first that does not go in.
    bool PutCardsOfFile(const QString& book, const QString& path, const QStringList& uids = {});
    // The cards of a vCard file, one by one, and the UID of one as PutCardsOfFile uses it.
    static QList<QByteArray> CardsOfFile(const QString& path);
    static QString UidOf(const QByteArray& card);

    // One request, sent with the given credentials (none when user is empty), waited for.
    Reply Send(const QByteArray& verb, const QUrl& url, const QByteArray& body = {},
               const QList<QPair<QByteArray, QByteArray>>& headers = {}, const QString& user = {},
               const QString& password = {}) const;
    // What the server printed, to show when something went wrong.
    QString Log() const;

private:
    bool WriteRadicaleSetup();
    bool WaitUntilListening();

    Kind m_kind = Kind::Radicale;
    Options m_options;
    quint16 m_port = 0;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<QProcess> m_process;
};
