#include "core/handset/Timeouts.h"

#include <algorithm>

Timeouts Timeouts::Scaled(int divisor)
{
    Timeouts t;
    for (int* field : {&t.commandWriteMs, &t.reportBaseMs, &t.reportPer256Ms, &t.controlReplyMs,
                       &t.abortReplyMs, &t.helloMs, &t.transferLockMs, &t.pageLockMs})
        *field = std::max(1, *field / divisor);
    return t;
}

Timeouts& HandsetTimeouts()
{
    static Timeouts timeouts;
    return timeouts;
}

int ReportTimeoutMs(const Timeouts& t, int outLen)
{
    return (outLen / 256) * t.reportPer256Ms + t.reportBaseMs;
}
