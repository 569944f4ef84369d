// Which copy of the program is the first, when copies start together or one was left behind.

#include "gui/app/SingleInstanceGuard.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QThread>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <latch>
#include <memory>

namespace {

QString UniqueKey(const char* test)
{
    return QStringLiteral("orvak-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(QLatin1String(test));
}

// The lock file stays after the copies end, as it must; a test takes its own away.
class LockFileOf {
public:
    explicit LockFileOf(const QString& key) : m_path(SingleInstanceGuard(key).ServerName() + QStringLiteral(".lock")) {}
    ~LockFileOf() { QFile::remove(m_path); }
    LockFileOf(const LockFileOf&) = delete;
    LockFileOf& operator=(const LockFileOf&) = delete;

private:
    QString m_path;
};

unsigned Mode(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST(SingleInstanceGuardTest, OfTwoCopiesStartedAtTheSameInstantOneListens)
{
    // Many rounds, since the copies meet only now and then without the lock.
    for (int round = 0; round < 30; ++round) {
        const QString key = UniqueKey("together") + QString::number(round);
        const LockFileOf lockFile(key);
        std::latch start(2), decided(2);
        std::atomic<int> listening = 0;
        const auto copy = [&] {
            SingleInstanceGuard guard(key);
            start.arrive_and_wait();
            if (guard.Listen())
                ++listening;
            // Both stay until both have decided, as running programs would.
            decided.arrive_and_wait();
        };
        std::unique_ptr<QThread> a(QThread::create(copy)), b(QThread::create(copy));
        a->start();
        b->start();
        ASSERT_TRUE(a->wait(10000) && b->wait(10000));
        ASSERT_EQ(listening.load(), 1) << "round " << round;
    }
}

TEST(SingleInstanceGuardTest, ALaterCopyLeavesTheFirstsSocketAloneAndReplacesOneLeftBehind)
{
    const QString key = UniqueKey("later");
    const LockFileOf lockFile(key);
    auto first = std::make_unique<SingleInstanceGuard>(key);
    ASSERT_TRUE(first->Listen());
    // The lock beside the socket is the user's alone, as its folder is.
    EXPECT_EQ(Mode(first->ServerName() + QStringLiteral(".lock")), 0600u);
    EXPECT_EQ(Mode(QFileInfo(first->ServerName()).path()), 0700u);

    SingleInstanceGuard second(key);
    EXPECT_FALSE(second.Listen()) << "a copy answers";
    {
        // The first still hears later copies, and the picture they were started with.
        QSignalSpy opened(first.get(), &SingleInstanceGuard::openRequested);
        SingleInstanceGuard third(key);
        ASSERT_TRUE(third.HandOverToRunningCopy(QStringLiteral("/pictures/cat.png")));
        ASSERT_TRUE(opened.wait(2000));
        EXPECT_EQ(opened[0][0].toString(), QStringLiteral("/pictures/cat.png"));
    }

    // A copy that crashed leaves its socket file, where nothing answers.
    const QString name = first->ServerName();
    first.reset();
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(fd, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(name);
        std::memcpy(address.sun_path, path.constData(), path.size() + 1);
        ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
    }
    ASSERT_TRUE(QFileInfo::exists(name));
    SingleInstanceGuard next(key);
    EXPECT_FALSE(next.HandOverToRunningCopy()) << "nobody to hand over to";
    ASSERT_TRUE(next.Listen());
    QSignalSpy raised(&next, &SingleInstanceGuard::raiseRequested);
    SingleInstanceGuard last(key);
    EXPECT_TRUE(last.HandOverToRunningCopy());
    EXPECT_TRUE(raised.wait(2000));
}

}  // namespace
