#include "gui/app/SingleInstanceGuard.h"

#include "core/handset/HandsetFolder.h"

#include <QLocalServer>
#include <QFileInfo>
#include <QLocalSocket>

#include <memory>

#include <unistd.h>

#include <string>

namespace {

constexpr int kConnectMs = 500;
constexpr QByteArrayView kRaise = "raise\n";
// "raise", a tab and a path of at most 4096 bytes.
constexpr qsizetype kLongestMessage = 8192;

}  // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& key, QObject* parent) : QObject(parent)
{
    // A name in a shared folder such as /tmp could be taken first by another user, who would
    // then keep the program from starting. The user's runtime folder is private (mode 0700).
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const std::string folder = !runtime.isEmpty() ? runtime.toStdString() + "/orvak-dialbook"
                                                  : "/tmp/orvak-dialbook-" + std::to_string(::getuid());
    if (HandsetFolder::Ensure(folder, nullptr))
        m_name = QString::fromStdString(folder) + QStringLiteral("/") + key;
}

QString SingleInstanceGuard::ServerName() const
{
    return m_name;
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

QString SingleInstanceGuard::DefaultKey()
{
    return QStringLiteral("{0EDBBF3A-5B0F-4011-A97E-39B0EBB51BC1}");
}

bool SingleInstanceGuard::HandOverToRunningCopy(const QString& picture)
{
    if (m_name.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kConnectMs))
        return false;
    // "raise", then a tab and the picture's path when there is one; one line.
    QByteArray message(kRaise.data(), kRaise.size() - 1);
    if (!picture.isEmpty())
        message += '\t' + QFileInfo(picture).absoluteFilePath().toUtf8();
    message += '\n';
    socket.write(message);
    socket.waitForBytesWritten(kConnectMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstanceGuard::Listen()
{
    if (m_name.isEmpty())
        return false;  // no private folder for it: this copy runs without the guard
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // Left behind by a copy that crashed: nobody answered HandOverToRunningCopy.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            auto buffer = std::make_shared<QByteArray>();
            connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
                *buffer += socket->readAll();
                if (buffer->size() > kLongestMessage) {
                    socket->abort();
                    return;
                }
                const qsizetype end = buffer->indexOf('\n');
                if (end < 0)
                    return;  // the rest is on its way
                const QByteArray line = buffer->left(end);
                socket->disconnectFromServer();
                if (!line.startsWith("raise"))
                    return;
                emit raiseRequested();
                if (const qsizetype tab = line.indexOf('\t'); tab >= 0)
                    emit openRequested(QString::fromUtf8(line.mid(tab + 1)));
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    return true;
}
