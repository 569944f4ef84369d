#include "cli/QuietStderr.h"

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

QuietStderr::QuietStderr()
{
    std::fflush(stderr);
    const UniqueFd nowhere(::open("/dev/null", O_WRONLY | O_CLOEXEC));
    if (!nowhere.IsValid())
        return;
    m_saved.Reset(::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0));
    if (m_saved.IsValid() && ::dup2(nowhere.Get(), STDERR_FILENO) < 0)
        m_saved.Reset();
}

QuietStderr::~QuietStderr()
{
    if (!m_saved.IsValid())
        return;
    std::fflush(stderr);
    ::dup2(m_saved.Get(), STDERR_FILENO);
}
