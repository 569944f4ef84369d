#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>
#include <QUrl>

// A stand-in on a free loopback port for the troubles a network gives: it relays to a real
// server and cuts every connection once that many bytes of answers have passed (a server that
// goes away mid-answer), answers every request with the same canned bytes (a web server that
// knows no CardDAV), or takes connections and says nothing (a server that hangs). It serves
// on the thread that made it, from whatever event loop runs there.
class LoopbackStandIn : public QTcpServer {
    Q_OBJECT
public:
    // Relays to `target` until `cutAfter` bytes of answers have passed in all.
    static std::unique_ptr<LoopbackStandIn> Relay(quint16 target, qint64 cutAfter);
    // On `address`: another loopback address (127.0.0.2) stands for another host.
    static std::unique_ptr<LoopbackStandIn> Canned(QByteArray answer,
                                                   const QHostAddress& address = QHostAddress(QHostAddress::LocalHost));
    static std::unique_ptr<LoopbackStandIn> Silent();

    QUrl BaseUrl() const;
    // Answer bytes relayed so far.
    qint64 Relayed() const { return m_relayed; }
    // What clients sent to a canned stand-in, all requests one after another.
    const QByteArray& Requests() const { return m_requests; }

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    enum class Mode { Relay, Canned, Silent };
    LoopbackStandIn(Mode mode, quint16 target, qint64 cutAfter, QByteArray answer,
                    const QHostAddress& address = QHostAddress(QHostAddress::LocalHost));

    Mode m_mode;
    quint16 m_target;
    qint64 m_cutAfter;
    qint64 m_relayed = 0;
    QByteArray m_answer;
    QByteArray m_requests;
};
