#include "gui/app/SingleInstanceGuard.h"

#include "core/common/PrivateFolder.h"
#include "core/common/UniqueFd.h"
#include "core/handset/HandsetFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <string>

namespace {

constexpr int kConnectMs = 500;
constexpr QByteArrayView kRaise = "raise\n";
// "raise", a tab and a path of at most 4096 bytes.
constexpr qsizetype kLongestMessage = 8192;

// Holds the lock of `socketName` until the result goes; invalid when it cannot be had. The lock
// file stays for good: removing it would let a copy that waits on the removed file and a copy
// that makes a new one both hold "the" lock.
UniqueFd LockBeside(const QString& socketName)
{
    const QByteArray path = QFile::encodeName(socketName + QStringLiteral(".lock"));
    UniqueFd fd(::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!fd.IsValid())
        return {};
    ::fchmod(fd.Get(), 0600);  // in case it was made wider by hand; the lock works either way
    int locked;
    do
        locked = ::flock(fd.Get(), LOCK_EX);
    while (locked != 0 && errno == EINTR);
    return locked == 0 ? std::move(fd) : UniqueFd();
}

// Whether a copy listens on `name`; a socket file left behind refuses the connection at once.
bool SomeoneAnswers(const QString& name)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    const bool answered = socket.waitForConnected(kConnectMs);
    socket.abort();
    return answered;
}

}  // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& key, QObject* parent) : QObject(parent)
{
    // A name in a shared folder such as /tmp could be taken first by another user, who would
    // then keep the program from starting. The user's runtime folder is private (mode 0700).
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const std::string folder = !runtime.isEmpty() ? runtime.toStdString() + "/orvak-dialbook"
                                                  : "/tmp/orvak-dialbook-" + std::to_string(::getuid());
    // Ensure refuses a link or a folder of someone else's; one of ours that others may enter
    // is tightened, since the lock file and the socket are in it.
    if (HandsetFolder::Ensure(folder, nullptr) && MakePrivateFolder(QString::fromStdString(folder)))
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
    // Looking, removing and listening are one step for the copies: without the lock, a copy
    // that found nobody could remove the socket another had just made, and both would run.
    const UniqueFd lock = LockBeside(m_name);
    if (!lock.IsValid() || SomeoneAnswers(m_name))
        return false;
    // Qt makes the socket under another name and renames it over this one, so a socket
    // file still there would not even make listen() fail: nobody answers on it, so it goes.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name))
        return false;
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
