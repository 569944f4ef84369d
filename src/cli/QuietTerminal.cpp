#include "cli/QuietTerminal.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace {

volatile sig_atomic_t g_wakeFd = -1;
volatile sig_atomic_t g_signal = 0;

// Only write() here: it is safe in a signal handler, and it wakes the reading thread even when
// another of the program's threads took the signal.
void OnSignal(int signal)
{
    const int saved = errno;
    g_signal = signal;
    const char byte = 0;
    if (g_wakeFd >= 0)
        [[maybe_unused]] ssize_t n = ::write(g_wakeFd, &byte, 1);
    errno = saved;
}

bool SetTerminal(int fd, int when, const struct termios& modes)
{
    int result = 0;
    do
        result = ::tcsetattr(fd, when, &modes);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

void Catch(int signal, struct sigaction* previous)
{
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: the wait for a line wakes at once in the thread that took the signal.
    action.sa_flags = 0;
    ::sigaction(signal, &action, previous);
}

}  // namespace

QuietTerminal::QuietTerminal(int fd) : m_fd(fd)
{
    if (::tcgetattr(fd, &m_saved) != 0)
        return;
    m_terminal = true;
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_wakeRead.Reset(ends[0]);
    m_wakeWrite.Reset(ends[1]);
    g_signal = 0;
    g_wakeFd = m_wakeWrite.Get();
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        // A signal the program was told to ignore (nohup) stays ignored.
        struct sigaction current {};
        if (::sigaction(kSignals[i], nullptr, &current) != 0 || current.sa_handler == SIG_IGN)
            continue;
        Catch(kSignals[i], &m_previous[i]);
        m_caught[i] = true;
    }
    m_quiet = EchoOff();
}

QuietTerminal::~QuietTerminal()
{
    Restore();
    g_wakeFd = -1;
    const int signal = g_signal;
    g_signal = 0;
    if (signal != 0 && signal != SIGTSTP)
        ::raise(signal);
}

bool QuietTerminal::EchoOff()
{
    struct termios quiet = m_saved;
    // The line is still edited as usual (backspace); the newline is the caller's to write.
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHOE | ECHOK | ECHONL);
    quiet.c_lflag |= ICANON;
    return SetTerminal(m_fd, TCSAFLUSH, quiet);
}

void QuietTerminal::Restore()
{
    if (m_terminal)
        SetTerminal(m_fd, TCSANOW, m_saved);
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        if (m_caught[i])
            ::sigaction(kSignals[i], &m_previous[i], nullptr);
        m_caught[i] = false;
    }
}

bool QuietTerminal::ResumeAfterStop()
{
    if (g_signal != SIGTSTP)
        return false;
    g_signal = 0;
    char drained[16];
    while (::read(m_wakeRead.Get(), drained, sizeof drained) > 0) {
    }
    SetTerminal(m_fd, TCSANOW, m_saved);
    struct sigaction stop {};
    stop.sa_handler = SIG_DFL;
    sigemptyset(&stop.sa_mask);
    struct sigaction ours {};
    ::sigaction(SIGTSTP, &stop, &ours);
    // Stops here, until the shell continues the program (fg).
    ::raise(SIGTSTP);
    ::sigaction(SIGTSTP, &ours, nullptr);
    m_quiet = EchoOff();
    return m_quiet;
}
