#include "core/common/PollRetry.h"

#include <cerrno>

int PollUntil(pollfd* fds, nfds_t count, const Deadline& deadline)
{
    for (;;) {
        const int n = ::poll(fds, count, deadline.RemainingMs());
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

int PollRetry(pollfd* fds, nfds_t count, int timeoutMs)
{
    return PollUntil(fds, count, Deadline(timeoutMs));
}
