#include "gui/app/SingleInstanceGuard.h"

#include "core/handset/HandsetFolder.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

#include <string>

namespace {

constexpr int kConnectMs = 500;
constexpr QByteArrayView kRaise = "raise\n";

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

bool SingleInstanceGuard::HandOverToRunningCopy()
{
    if (m_name.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kConnectMs))
        return false;
    socket.write(kRaise.data(), kRaise.size());
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
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().startsWith("raise"))
                    emit raiseRequested();
                socket->deleteLater();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    return true;
}
