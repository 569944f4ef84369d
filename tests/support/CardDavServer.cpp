#include "support/CardDavServer.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QEventLoop>
#include <QFile>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

// Radicale's user file in its "plain" form needs no hashing library beside the server.
constexpr auto kRadicaleConfig = R"([server]
hosts = 127.0.0.1:%1
[auth]
type = htpasswd
htpasswd_filename = %2
htpasswd_encryption = plain
# A wrong password is refused at once rather than after Radicale's default pause.
delay = 0
[rights]
type = owner_only
[storage]
filesystem_folder = %3
[logging]
level = warning
mask_passwords = True
)";

// The extended MKCOL body both servers take to make an address book in one request.
constexpr auto kMakeAddressBook = R"(<?xml version="1.0" encoding="utf-8"?>
<D:mkcol xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:carddav">
  <D:set><D:prop>
    <D:resourcetype><D:collection/><C:addressbook/></D:resourcetype>
    <D:displayname>%1</D:displayname>
  </D:prop></D:set>
</D:mkcol>
)";

constexpr int kStartLimitMs = 10000;
constexpr int kRequestLimitMs = 10000;

bool WriteFile(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(content);
    return file.commit();
}

// A port nothing listens on now; the server takes it a moment later.
quint16 FreeLoopbackPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

// The Python that the xandikos command runs with, so the wrapper finds the same modules
// whatever python3 comes first on PATH.
QString XandikosInterpreter()
{
    QFile script(QStandardPaths::findExecutable(QStringLiteral("xandikos")));
    if (!script.open(QIODevice::ReadOnly))
        return {};
    const QByteArray first = script.readLine().trimmed();
    if (!first.startsWith("#!"))
        return {};
    const QList<QByteArray> words = first.mid(2).trimmed().split(' ');
    return QString::fromLocal8Bit(words.value(0));
}

} // namespace

CardDavServer::~CardDavServer()
{
    Stop();
}

QString CardDavServer::ProgramName(Kind kind)
{
    return kind == Kind::Radicale ? QStringLiteral("radicale") : QStringLiteral("xandikos");
}

bool CardDavServer::IsInstalled(Kind kind)
{
    if (QStandardPaths::findExecutable(ProgramName(kind)).isEmpty())
        return false;
    return kind == Kind::Radicale || !XandikosInterpreter().isEmpty();
}

bool CardDavServer::MakeCertificate(const QString& folder, QString& certificate, QString& key)
{
    certificate = folder + QStringLiteral("/server-cert.pem");
    key = folder + QStringLiteral("/server-key.pem");
    QProcess openssl;
    openssl.setProcessChannelMode(QProcess::MergedChannels);
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("rsa:2048"),
                   QStringLiteral("-nodes"), QStringLiteral("-keyout"), key, QStringLiteral("-out"), certificate,
                   QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                   QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1")});
    if (!openssl.waitForFinished(kStartLimitMs) || openssl.exitCode() != 0) {
        qWarning().noquote() << "openssl:" << openssl.readAll();
        return false;
    }
    return true;
}

bool CardDavServer::Start(Kind kind, const Options& options)
{
    Stop();
    m_kind = kind;
    m_options = options;
    m_folder = std::make_unique<QTemporaryDir>();
    m_port = FreeLoopbackPort();
    if (!m_folder->isValid() || m_port == 0)
        return false;

    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->setWorkingDirectory(m_folder->path());
    if (kind == Kind::Radicale) {
        if (!WriteRadicaleSetup())
            return false;
        m_process->start(QStandardPaths::findExecutable(QStringLiteral("radicale")),
                         {QStringLiteral("--config"), m_folder->filePath(QStringLiteral("config"))});
    } else {
        // Xandikos asks for no password itself (it expects a proxy in front): the wrapper
        // serves it behind Basic authentication.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DAV_PASSWORD"), Password());
        if (options.digest)
            env.insert(QStringLiteral("DAV_AUTH"), QStringLiteral("digest"));
        m_process->setProcessEnvironment(env);
        m_process->start(XandikosInterpreter(),
                         {QStringLiteral(DIALBOOK_XANDIKOS_WRAPPER),
                          m_folder->filePath(QStringLiteral("store")), QString::number(m_port), User()});
    }
    if (!m_process->waitForStarted(kStartLimitMs) || !WaitUntilListening()) {
        qWarning().noquote() << ProgramName(kind) << "did not start:" << Log();
        Stop();
        return false;
    }
    return true;
}

bool CardDavServer::WriteRadicaleSetup()
{
    const QString users = m_folder->filePath(QStringLiteral("users"));
    QString config = QString::fromLatin1(kRadicaleConfig)
                         .arg(m_port)
                         .arg(users, m_folder->filePath(QStringLiteral("collections")));
    if (!m_options.certificate.isEmpty())
        config.replace(QStringLiteral("[server]\n"), QStringLiteral("[server]\nssl = True\ncertificate = %1\nkey = %2\n")
                                                          .arg(m_options.certificate, m_options.key));
    return WriteFile(users, (User() + u':' + Password() + u'\n').toUtf8())
        && WriteFile(m_folder->filePath(QStringLiteral("config")), config.toUtf8());
}

bool CardDavServer::WaitUntilListening()
{
    const QDeadlineTimer deadline(kStartLimitMs);
    while (!deadline.hasExpired()) {
        if (m_process->state() != QProcess::Running)
            return false;
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, m_port);
        if (probe.waitForConnected(200))
            return true;
        m_process->waitForFinished(100); // a pause that also notices the server quitting
    }
    return false;
}

void CardDavServer::Stop()
{
    if (!m_process)
        return;
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(5000)) {
            m_process->kill();
            m_process->waitForFinished(5000);
        }
    }
    m_process.reset();
}

QUrl CardDavServer::BaseUrl() const
{
    const QString scheme = m_options.certificate.isEmpty() ? QStringLiteral("http") : QStringLiteral("https");
    return QUrl(QStringLiteral("%1://127.0.0.1:%2/").arg(scheme).arg(m_port));
}

QUrl CardDavServer::BookUrl(const QString& name) const
{
    const QString home = m_kind == Kind::Radicale ? QStringLiteral("/%1/") : QStringLiteral("/%1/contacts/");
    QUrl url = BaseUrl();
    url.setPath(home.arg(User()) + name + u'/');
    return url;
}

bool CardDavServer::AddAddressBook(const QString& name)
{
    const QByteArray body = QString::fromLatin1(kMakeAddressBook).arg(name.toHtmlEscaped()).toUtf8();
    const Reply reply = Send("MKCOL", BookUrl(name), body,
                             {{"Content-Type", "application/xml; charset=utf-8"}}, User(), Password());
    return reply.status == 201;
}

bool CardDavServer::PutCard(const QString& book, const QString& uid, const QByteArray& vcard)
{
    QUrl url = BookUrl(book);
    url.setPath(url.path() + uid + QStringLiteral(".vcf"));
    const Reply reply = Send("PUT", url, vcard, {{"Content-Type", "text/vcard; charset=utf-8"}}, User(),
                             Password());
    return reply.status == 201 || reply.status == 204;
}

bool CardDavServer::PutCardsOfFile(const QString& book, const QString& path, const QStringList& uids)
{
    const QList<QByteArray> cards = CardsOfFile(path);
    if (cards.isEmpty())
        return false;
    for (const QByteArray& card : cards) {
        if ((uids.isEmpty() || uids.contains(UidOf(card))) && !PutCard(book, UidOf(card), card))
            return false;
    }
    return true;
}

QList<QByteArray> CardDavServer::CardsOfFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> cards;
    for (const QByteArray& piece : file.readAll().split('\n')) {
        if (piece.startsWith("BEGIN:VCARD"))
            cards.append(QByteArray());
        if (!cards.isEmpty())
            cards.last().append(piece + '\n');
    }
    return cards;
}

QString CardDavServer::UidOf(const QByteArray& card)
{
    const auto match = QRegularExpression(QStringLiteral("UID:([^\\r\\n]+)")).match(QString::fromUtf8(card));
    return match.captured(1).replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9-]")), QStringLiteral("-"));
}

CardDavServer::Reply CardDavServer::Send(const QByteArray& verb, const QUrl& url, const QByteArray& body,
                                         const QList<QPair<QByteArray, QByteArray>>& headers,
                                         const QString& user, const QString& password) const
{
    QNetworkAccessManager network;
    QNetworkRequest request(url);
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);
    // Sent up front, so a wrong password comes back as the server's 401 and not as a retry.
    if (!user.isEmpty())
        request.setRawHeader("Authorization", "Basic " + (user + u':' + password).toUtf8().toBase64());
    request.setTransferTimeout(kRequestLimitMs);
    if (!m_options.certificate.isEmpty()) {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setCaCertificates(QSslCertificate::fromPath(m_options.certificate));
        request.setSslConfiguration(tls);
    }
    std::unique_ptr<QNetworkReply> reply(network.sendCustomRequest(request, verb, body));
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll()};
}

QString CardDavServer::Log() const
{
    return m_process ? QString::fromLocal8Bit(m_process->readAll()) : QString();
}
