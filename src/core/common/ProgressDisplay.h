#pragma once

#include "core/common/Event.h"

#include <QString>

#include <cstdint>

// What an operation needs of whoever shows its progress: the window on a page, a bar on a
// terminal, or a recorder in a test. An operation runs on a worker thread and calls the setters
// from there, so every implementation takes them from any thread; WaitUntil runs on the thread
// that started the operation.
class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;

    // The text of a string-table entry (empty when there is none).
    void SetStatusText(std::uint32_t id);
    virtual void SetStatusText(const QString& text) = 0;
    virtual void SetRange(int low, int high) = 0;
    virtual void SetStep(int step) = 0;
    virtual void ResetPosition() = 0;
    // One unit of work done; advance the bar by one step. Never blocks.
    virtual void PostStep() = 0;
    // Keeps the display alive until `finished` is set: a window goes on painting and taking its
    // Cancel, a terminal redraws its bar and turns Ctrl+C into a cancel.
    virtual void WaitUntil(Event& finished) { finished.Wait(-1); }

    // Set when the user cancels. Operations clear it once when they start and only test it after.
    Event& CancelEvent() { return m_cancelEvent; }

protected:
    Event m_cancelEvent{Event::Mode::ManualReset};
};
