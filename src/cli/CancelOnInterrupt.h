#pragma once

#include <signal.h>

class Event;

// While it lives, Ctrl+C sets the cancel event instead of ending the program, so that a
// transfer stops the way the Cancel button stops it. A second Ctrl+C ends the program.
class CancelOnInterrupt {
public:
    explicit CancelOnInterrupt(Event& cancel);
    ~CancelOnInterrupt();

    // Whether Ctrl+C was pressed. A transfer resets the cancel event when it starts each
    // exchange, so whoever pumps sets it again from this.
    static bool Interrupted();
    CancelOnInterrupt(const CancelOnInterrupt&) = delete;
    CancelOnInterrupt& operator=(const CancelOnInterrupt&) = delete;

private:
    struct sigaction m_previous {};
};
