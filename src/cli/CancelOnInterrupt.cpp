#include "cli/CancelOnInterrupt.h"

#include "core/common/Event.h"

#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace {

volatile sig_atomic_t g_cancelFd = -1;
volatile sig_atomic_t g_interrupts = 0;

void OnInterrupt(int)
{
    g_interrupts = g_interrupts + 1;
    if (g_interrupts > 1)
        ::_exit(130);
    // Only write() here: it is safe in a signal handler, and it is all an eventfd needs.
    const int saved = errno;
    const std::uint64_t one = 1;
    if (g_cancelFd >= 0)
        [[maybe_unused]] ssize_t n = ::write(g_cancelFd, &one, sizeof one);
    errno = saved;
}

}  // namespace

CancelOnInterrupt::CancelOnInterrupt(Event& cancel)
{
    g_interrupts = 0;
    g_cancelFd = cancel.Fd();
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, &m_previous);
}

bool CancelOnInterrupt::Interrupted()
{
    return g_interrupts > 0;
}

CancelOnInterrupt::~CancelOnInterrupt()
{
    ::sigaction(SIGINT, &m_previous, nullptr);
    g_cancelFd = -1;
    g_interrupts = 0;
}
