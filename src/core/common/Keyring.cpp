#include "core/common/Keyring.h"

#include "core/common/Log.h"

#include <qt6keychain/keychain.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QEventLoop>
#include <QStringList>
#include <QTimer>

#include <chrono>

namespace {

const char kService[] = "orvak-dialbook";

// A locked keyring asks for its own password in a window of its own and answers only when the
// person has typed it or given up; two minutes leave time for that, and still end a run whose
// prompt nobody will see (dialbook over ssh, the keyring's window on the desk's screen).
constexpr std::chrono::minutes kAnswerBound{2};

// The bus answers its own questions at once when it is there at all.
constexpr int kBusQuestionTimeoutMs = 5000;

constexpr int kHttpPort = 80;
constexpr int kHttpsPort = 443;

// The names the keyrings QtKeychain speaks to hold on the session bus: the Secret Service
// (GNOME Keyring, KeePassXC, KWallet 6) and KWallet's own.
const char* const kKeyringBusNames[] = {
    "org.freedesktop.secrets", "org.kde.kwalletd6", "org.kde.kwalletd5", "org.kde.kwalletd",
};

QStringList BusNames(const QDBusConnection& bus, const char* method)
{
    const QDBusMessage question = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QLatin1String(method));
    const QDBusMessage reply = bus.call(question, QDBus::Block, kBusQuestionTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().constFirst().toStringList();
}

// Whether a keyring runs in the session, or the session bus starts one when asked. QtKeychain
// says "other error" both for a keyring that failed and for a session without one (no bus, a
// bus address that leads nowhere, no keyring on the bus), so the bus itself is asked.
bool KeyringInSession()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    const QStringList names = BusNames(bus, "ListNames") + BusNames(bus, "ListActivatableNames");
    for (const char* name : kKeyringBusNames) {
        if (names.contains(QLatin1String(name)))
            return true;
    }
    return false;
}

struct Answer {
    bool given = false;
    QKeychain::Error error = QKeychain::OtherError;
    QString errorText;
    QString password;
};

// Starts `job` and waits for its answer. A job that has not answered within the bound is left to
// end on its own: QtKeychain's callbacks still point at it, so it deletes itself when it ends.
Answer Run(QKeychain::Job* job)
{
    job->setAutoDelete(true);
    // A keyring that is not there must never turn into a plain-text file of passwords.
    job->setInsecureFallback(false);
    Answer answer;
    QEventLoop loop;
    // `loop` as the receiver: the connection goes with it, should the answer come after the bound.
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&answer, &loop](QKeychain::Job* done) {
        answer.given = true;
        answer.error = done->error();
        answer.errorText = done->errorString();
        if (const auto* read = qobject_cast<const QKeychain::ReadPasswordJob*>(done))
            answer.password = read->textData();
        loop.quit();
    });
    QTimer::singleShot(kAnswerBound, &loop, &QEventLoop::quit);
    job->start();
    // QEventLoop::exec() forgets a quit() that came before it.
    if (answer.given)
        return answer;
    // The window stays drawn but takes no clicks or keys meanwhile: nothing of the program runs
    // again in the middle of a question to the keyring.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return answer;
}

Keyring::Result Classify(const Answer& answer, const char* what, const QString& key, QString* error)
{
    Keyring::Result result = Keyring::Result::Failed;
    QString text = answer.errorText;
    if (!answer.given) {
        text = Keyring::tr("The keyring did not answer in time.");
    } else {
        switch (answer.error) {
        case QKeychain::NoError: result = Keyring::Result::Ok; break;
        case QKeychain::EntryNotFound: result = Keyring::Result::NotFound; break;
        case QKeychain::NoBackendAvailable: result = Keyring::Result::NoKeyring; break;
        // Refused access (a locked keyring whose unlocking was declined, KWallet turned off) and
        // any other failure: no keyring when the session has none, else the keyring's own failure.
        default:
            result = KeyringInSession() ? Keyring::Result::Failed : Keyring::Result::NoKeyring;
            break;
        }
    }
    // The key names the account, not the password; the password never reaches the log.
    qCDebug(lcDialbook) << "keyring:" << what << key << "->" << static_cast<int>(result) << answer.error << text;
    if (result == Keyring::Result::Failed && error)
        *error = text;
    return result;
}

}  // namespace

QString Keyring::AccountKey(const QUrl& server, const QString& user)
{
    const QString scheme = server.scheme().toLower();
    const int defaultPort = scheme == u"https" ? kHttpsPort : scheme == u"http" ? kHttpPort : -1;
    QUrl origin;
    origin.setScheme(scheme);
    origin.setHost(server.host());
    origin.setPort(server.port(defaultPort));
    return user + u'@' + origin.toString(QUrl::FullyEncoded);
}

Keyring::Result Keyring::Read(const QString& key, QString& password, QString* error)
{
    password.clear();
    auto* job = new QKeychain::ReadPasswordJob(QLatin1String(kService));
    job->setKey(key);
    Answer answer = Run(job);
    const Result result = Classify(answer, "read", key, error);
    if (result == Result::Ok)
        password = std::move(answer.password);
    return result;
}

Keyring::Result Keyring::Write(const QString& key, const QString& password, QString* error)
{
    auto* job = new QKeychain::WritePasswordJob(QLatin1String(kService));
    job->setKey(key);
    job->setTextData(password);
    return Classify(Run(job), "write", key, error);
}

Keyring::Result Keyring::Remove(const QString& key, QString* error)
{
    auto* job = new QKeychain::DeletePasswordJob(QLatin1String(kService));
    job->setKey(key);
    return Classify(Run(job), "remove", key, error);
}

QString Keyring::NoKeyringText()
{
    return tr("No keyring is running, so passwords are neither looked up in it nor kept in it.");
}
