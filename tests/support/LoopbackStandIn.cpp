#include "support/LoopbackStandIn.h"

#include <QHostAddress>
#include <QTcpSocket>

std::unique_ptr<LoopbackStandIn> LoopbackStandIn::Relay(quint16 target, qint64 cutAfter)
{
    return std::unique_ptr<LoopbackStandIn>(new LoopbackStandIn(Mode::Relay, target, cutAfter, {}));
}

std::unique_ptr<LoopbackStandIn> LoopbackStandIn::Canned(QByteArray answer, const QHostAddress& address)
{
    return std::unique_ptr<LoopbackStandIn>(new LoopbackStandIn(Mode::Canned, 0, 0, std::move(answer), address));
}

std::unique_ptr<LoopbackStandIn> LoopbackStandIn::Silent()
{
    return std::unique_ptr<LoopbackStandIn>(new LoopbackStandIn(Mode::Silent, 0, 0, {}));
}

LoopbackStandIn::LoopbackStandIn(Mode mode, quint16 target, qint64 cutAfter, QByteArray answer,
                                 const QHostAddress& address)
    : m_mode(mode), m_target(target), m_cutAfter(cutAfter), m_answer(std::move(answer))
{
    listen(address, 0);
}

QUrl LoopbackStandIn::BaseUrl() const
{
    return QUrl(QStringLiteral("http://%1:%2/").arg(serverAddress().toString()).arg(serverPort()));
}

void LoopbackStandIn::incomingConnection(qintptr descriptor)
{
    auto* client = new QTcpSocket(this);
    client->setSocketDescriptor(descriptor);
    connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
    if (m_mode == Mode::Silent)
        return;
    if (m_mode == Mode::Canned) {
        connect(client, &QTcpSocket::readyRead, client, [this, client] {
            // One answer per request head read; the requests here are small.
            const QByteArray bytes = client->readAll();
            m_requests += bytes;
            if (bytes.contains("\r\n\r\n")) {
                client->write(m_answer);
                client->disconnectFromHost();
            }
        });
        return;
    }
    auto* server = new QTcpSocket(client);
    server->connectToHost(QHostAddress::LocalHost, m_target);
    connect(client, &QTcpSocket::readyRead, server, [client, server] { server->write(client->readAll()); });
    connect(server, &QTcpSocket::readyRead, client, [this, client, server] {
        QByteArray bytes = server->readAll();
        const qint64 room = m_cutAfter - m_relayed;
        if (bytes.size() >= room) {
            client->write(bytes.left(std::max<qint64>(room, 0)));
            m_relayed = m_cutAfter;
            client->flush();
            client->abort();
            return;
        }
        m_relayed += bytes.size();
        client->write(bytes);
    });
    connect(server, &QTcpSocket::disconnected, client, [client] { client->disconnectFromHost(); });
    // What the client sent before the server's connection was up.
    connect(server, &QTcpSocket::connected, client, [client, server] { server->write(client->readAll()); });
}
