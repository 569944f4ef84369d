#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// Keeps one copy of the program per user. The first copy listens on a local socket named
// after the program's instance key, in a folder only the user can enter; a later copy asks it
// to come to the front, then ends. Copies take turns at finding out which is first, under a
// lock on a file beside the socket, so two started at the same instant cannot both be.
class SingleInstanceGuard : public QObject {
    Q_OBJECT
public:
    explicit SingleInstanceGuard(const QString& key, QObject* parent = nullptr);
    ~SingleInstanceGuard() override;

    // True when another copy was found and told to come forward, and to open `picture` when
    // one is named: this copy should end.
    bool HandOverToRunningCopy(const QString& picture = {});
    // Starts listening for later copies. False when another copy answers on the socket, which
    // is then left alone, or when this one cannot listen (the program still runs). A socket
    // that nobody answers on is left by a copy that ended without removing it, and is replaced.
    bool Listen();

    static QString DefaultKey();
    // The socket's path; empty when no private folder could be made for it.
    QString ServerName() const;

signals:
    void raiseRequested();
    // A later copy was started with a picture to open.
    void openRequested(const QString& picture);

private:
    QString m_name;
    QLocalServer* m_server = nullptr;
};
