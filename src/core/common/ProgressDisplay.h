#pragma once

#include "core/common/Event.h"

#include <QString>

#include <cstdint>

// What a transfer needs of whoever shows its progress: the window on a page, a bar on a
// terminal, or a recorder in a test. Everything but PostStep and the cancel event is called on
// the thread that runs the transfer's Execute (the user-interface thread).
class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;

    // The text of a string-table entry (empty when there is none).
    void SetStatusText(std::uint32_t id);
    virtual void SetStatusText(const QString& text) = 0;
    virtual void SetRange(int low, int high) = 0;
    virtual void SetStep(int step) = 0;
    virtual void ResetPosition() = 0;
    // Handles whatever is waiting for the user-interface thread: repaint, Cancel, notices.
    virtual void PumpMessages() = 0;
    // One unit of work done; advance the bar by one step. Thread-safe, never blocks.
    virtual void PostStep() = 0;

    // Set when the user cancels. Workers only test it; Execute resets it before each exchange.
    Event& CancelEvent() { return m_cancelEvent; }

protected:
    Event m_cancelEvent{Event::Mode::ManualReset};
};
