#pragma once

#include "core/common/UniqueFd.h"

// A waitable flag in the manner of a Win32 event, built on an eventfd so that poll()
// can wait on it together with a device descriptor.
//
// Manual-reset: stays signalled until Reset(). Auto-reset: a successful Wait() consumes
// the signal, so exactly one waiter is released per Set().
class Event {
public:
    enum class Mode { AutoReset, ManualReset };

    explicit Event(Mode mode, bool initiallySignalled = false);
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    // False when the eventfd could not be created; every other call then does nothing.
    bool IsValid() const { return m_fd.IsValid(); }

    void Set();
    void Reset();
    // Non-consuming test, even for auto-reset events.
    bool IsSet() const;
    // Waits up to timeoutMs (negative: forever). True when signalled (and, for an
    // auto-reset event, consumed by this call).
    bool Wait(int timeoutMs);

    // For poll(): readable while the event is signalled. Never read it directly.
    int Fd() const { return m_fd.Get(); }
    Mode GetMode() const { return m_mode; }

private:
    bool TryConsume();

    Mode m_mode;
    UniqueFd m_fd;
};
