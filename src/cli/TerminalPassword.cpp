#include "cli/TerminalPassword.h"

#include "cli/QuietTerminal.h"
#include "core/common/PasswordFile.h"
#include "core/common/UniqueFd.h"

#include <fcntl.h>
#include <poll.h>
#include <string.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstddef>
#include <span>

namespace {

// A typed password is held to the same bound as one in a file; a terminal's line is shorter.
constexpr std::size_t kMaxPasswordBytes = kMaxPasswordFileBytes;

enum class LineEnd { Line, Ended, Signal, Failed };

// Reads up to the end of a line into `line`, without the line end, dropping what does not fit.
LineEnd ReadLine(int fd, int wakeFd, std::span<char> line, std::size_t& length)
{
    length = 0;
    std::array<char, 256> dropped{};
    for (;;) {
        pollfd waits[] = {{fd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
        if (::poll(waits, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return LineEnd::Failed;
        }
        if (waits[1].revents != 0)
            return LineEnd::Signal;
        if (waits[0].revents == 0)
            continue;
        const std::size_t room = line.size() - length;
        const std::span<char> into = room > 0 ? line.subspan(length) : std::span<char>(dropped);
        const ssize_t n = ::read(fd, into.data(), into.size());
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n < 0)
            return LineEnd::Failed;
        // Ctrl+D after some characters hands them over without a line end; a second one ends.
        if (n == 0)
            return length > 0 ? LineEnd::Line : LineEnd::Ended;
        const auto* newline = static_cast<const char*>(::memchr(into.data(), '\n', static_cast<std::size_t>(n)));
        if (room > 0)
            length += newline ? static_cast<std::size_t>(newline - into.data()) : static_cast<std::size_t>(n);
        ::explicit_bzero(dropped.data(), dropped.size());
        if (newline) {
            // A terminal that does not turn Enter's carriage return into a newline.
            if (length > 0 && line[length - 1] == '\r')
                --length;
            return LineEnd::Line;
        }
    }
}

}  // namespace

bool AskPasswordOn(int fd, std::FILE* prompts, const QString& prompt, QString& password)
{
    password.clear();
    QuietTerminal quiet(fd);
    if (!quiet.IsQuiet())
        return false;
    for (;;) {
        std::fputs(qPrintable(prompt), prompts);
        std::fflush(prompts);
        std::array<char, kMaxPasswordBytes> line{};
        std::size_t length = 0;
        const LineEnd end = ReadLine(fd, quiet.WakeFd(), line, length);
        // The Enter that ended the line was not shown either.
        std::fputc('\n', prompts);
        std::fflush(prompts);
        if (end == LineEnd::Line)
            password = QString::fromUtf8(line.data(), static_cast<qsizetype>(length));
        ::explicit_bzero(line.data(), line.size());
        if (end == LineEnd::Signal && quiet.ResumeAfterStop())
            continue;
        return end == LineEnd::Line;
    }
}

bool AskPassword(const QString& prompt, QString& password)
{
    const UniqueFd tty(::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (tty.IsValid())
        return AskPasswordOn(tty.Get(), stderr, prompt, password);
    if (::isatty(STDIN_FILENO))
        return AskPasswordOn(STDIN_FILENO, stderr, prompt, password);
    password.clear();
    return false;
}
