#pragma once

#include "core/common/UniqueFd.h"

#include <signal.h>
#include <termios.h>

#include <array>

// While it lives, what is typed on the terminal `fd` is not shown. Ctrl+C and the other signals
// that end the program do not leave the terminal silent: they wake WakeFd() instead of acting,
// and act once the terminal is back as it was. Only one lives at a time.
class QuietTerminal {
public:
    explicit QuietTerminal(int fd);
    // Shows what is typed again, gives the signals their old handlers back, then sends again the
    // signal that came meanwhile, so that it does what it would have done.
    ~QuietTerminal();
    QuietTerminal(const QuietTerminal&) = delete;
    QuietTerminal& operator=(const QuietTerminal&) = delete;

    // False when `fd` is no terminal, or its echo could not be turned off.
    bool IsQuiet() const { return m_quiet; }
    // Readable once a signal came.
    int WakeFd() const { return m_wakeRead.Get(); }
    // After WakeFd() woke: when it was Ctrl+Z, stops the program with the terminal as it was and,
    // once continued, turns echo off again and returns true, for the question to start over.
    // False for a signal that ends the question.
    bool ResumeAfterStop();

private:
    // The signals caught: those that end the program from the keyboard or the session, and Ctrl+Z.
    static constexpr std::array kSignals{SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGTSTP};

    bool EchoOff();
    void Restore();

    int m_fd;
    bool m_terminal = false;
    bool m_quiet = false;
    struct termios m_saved {};
    std::array<struct sigaction, kSignals.size()> m_previous{};
    std::array<bool, kSignals.size()> m_caught{};
    UniqueFd m_wakeRead;
    UniqueFd m_wakeWrite;
};
