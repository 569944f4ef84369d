// Where `dialbook` takes a CardDAV password from: a file only its owner may read, the keyring, or
// the terminal, typed without being shown.

#include "cli/PasswordSources.h"
#include "cli/TerminalPassword.h"
#include "core/common/UniqueFd.h"
#include "support/Captured.h"
#include "support/NoKeyringSession.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <future>
#include <string>

namespace {

// Long enough for the slowest machine; only there so that a broken prompt fails instead of hanging.
constexpr int kPromptBoundMs = 60000;

// What `fd` holds now, without waiting for more.
std::string Pending(int fd)
{
    std::string text;
    char buf[256];
    pollfd ready{fd, POLLIN, 0};
    while (::poll(&ready, 1, 0) > 0 && (ready.revents & POLLIN)) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0)
            break;
        text.append(buf, static_cast<std::size_t>(n));
    }
    return text;
}

// Reads `fd` until `wanted` came; false when it did not.
bool WaitFor(int fd, const std::string& wanted)
{
    std::string text;
    char buf[256];
    pollfd ready{fd, POLLIN, 0};
    while (text.find(wanted) == std::string::npos) {
        if (::poll(&ready, 1, kPromptBoundMs) <= 0)
            return false;
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0)
            return false;
        text.append(buf, static_cast<std::size_t>(n));
    }
    return true;
}

bool Echoes(int terminal)
{
    struct termios modes {};
    return ::tcgetattr(terminal, &modes) == 0 && (modes.c_lflag & ECHO) != 0;
}

}  // namespace

// No keyring and no terminal, as for a job run by cron: a password file is read without a word
// and without asking the keyring; without one, the command says why there is no password and how
// to give one. A password that came from anywhere but the prompt is not kept.
TEST(PasswordSources, WithoutKeyringOrTerminalOnlyAPasswordFileGivesOne)
{
    const NoKeyringSession session;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("dav-password"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("hunter2\n");
    }
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0600), 0);
    CommandConsole console;
    console.canAsk = false;
    PasswordRequest request{QUrl(QStringLiteral("https://dav.example.org/dav/alice/")), QStringLiteral("alice"), path,
                            true};
    QString password;

    {
        Captured err;
        console.err = err.File();
        EXPECT_EQ(ObtainPassword(console, request, password), PasswordSource::File);
        EXPECT_EQ(password, QStringLiteral("hunter2"));
        KeepPasswordIfAsked(console, request, PasswordSource::File, password);
        // Asking the keyring would have said that none runs.
        EXPECT_EQ(err.Text(), "");
    }
    {
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0644), 0);
        Captured err;
        console.err = err.File();
        EXPECT_EQ(ObtainPassword(console, request, password), PasswordSource::None);
        EXPECT_TRUE(password.isEmpty());
        const std::string text = err.Text();
        EXPECT_NE(text.find(path.toStdString()), std::string::npos) << text;
        EXPECT_NE(text.find("chmod 600"), std::string::npos) << text;
        EXPECT_EQ(text.find("No keyring"), std::string::npos) << text;
        EXPECT_EQ(text.find("hunter2"), std::string::npos) << text;
    }
    {
        request.passwordFile.clear();
        Captured err;
        console.err = err.File();
        EXPECT_EQ(ObtainPassword(console, request, password), PasswordSource::None);
        EXPECT_TRUE(password.isEmpty());
        KeepPasswordIfAsked(console, request, PasswordSource::Prompt, QStringLiteral("typed at the prompt"));
        const std::string text = err.Text();
        EXPECT_NE(text.find("No keyring is running"), std::string::npos) << text;
        EXPECT_NE(text.find("--password-file FILE"), std::string::npos) << text;
        EXPECT_NE(text.find("was not kept"), std::string::npos) << text;
        EXPECT_EQ(text.find("typed at the prompt"), std::string::npos) << text;
    }
}

// On a pseudo-terminal, as a person at a terminal: the line typed is the password, nothing of it
// shows, and the terminal echoes again afterwards. Ctrl+D on an empty line gives no password.
TEST(TerminalPassword, WhatIsTypedIsReadUnseenAndTheEchoComesBack)
{
    int master = -1;
    int slave = -1;
    ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    const UniqueFd terminal(master);
    const UniqueFd program(slave);
    ASSERT_TRUE(Echoes(program.Get()));
    int ends[2];
    ASSERT_EQ(::pipe2(ends, O_CLOEXEC), 0);
    const UniqueFd promptsRead(ends[0]);
    std::FILE* prompts = ::fdopen(ends[1], "w");
    ASSERT_NE(prompts, nullptr);

    QString password;
    auto asked = std::async(std::launch::async, [&] {
        return AskPasswordOn(program.Get(), prompts, QStringLiteral("Password for alice: "), password);
    });
    // The prompt comes once echo is off; only then is anything typed.
    ASSERT_TRUE(WaitFor(promptsRead.Get(), "Password for alice: "));
    const std::string typed = "s3cr\xc3\xa9t pass\n";
    ASSERT_EQ(::write(terminal.Get(), typed.data(), typed.size()), static_cast<ssize_t>(typed.size()));
    EXPECT_TRUE(asked.get());
    EXPECT_EQ(password, QString::fromUtf8("s3cr\xc3\xa9t pass"));
    EXPECT_EQ(Pending(terminal.Get()), "");
    EXPECT_TRUE(Echoes(program.Get()));
    EXPECT_TRUE(WaitFor(promptsRead.Get(), "\n"));

    asked = std::async(std::launch::async, [&] {
        return AskPasswordOn(program.Get(), prompts, QStringLiteral("Password again: "), password);
    });
    ASSERT_TRUE(WaitFor(promptsRead.Get(), "Password again: "));
    const char endOfInput = '\x04';
    ASSERT_EQ(::write(terminal.Get(), &endOfInput, 1), 1);
    EXPECT_FALSE(asked.get());
    EXPECT_TRUE(password.isEmpty());
    EXPECT_TRUE(Echoes(program.Get()));
    std::fclose(prompts);
}
