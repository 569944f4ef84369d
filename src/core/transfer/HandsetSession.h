#pragma once

#include "core/common/Msg.h"
#include "core/common/TimedSemaphore.h"

#include <memory>

class Event;
class HandsetDevice;
struct ExchangeRequest;

// One operation's hold on the handset: the transfer lock, taken once; the handset, opened at
// the first exchange and kept open until the operation ends; and the cancel token, cleared once
// when the operation starts and never again inside it.
//
// A session belongs to the thread that makes it. The transfers that run on that thread
// meanwhile run their exchanges through it, so a whole task (information, backup, download) is
// one operation. A session made while another runs on the same thread joins it: the outer one
// keeps the lock, the handset and the cancel token.
class HandsetSession {
public:
    // clearCancel false: the caller cleared the token itself when the operation started.
    explicit HandsetSession(Event* cancel, bool clearCancel = true);
    ~HandsetSession();
    HandsetSession(const HandsetSession&) = delete;
    HandsetSession& operator=(const HandsetSession&) = delete;

    // Msg::Ok, or Msg::ReadFailed when the transfer lock was not free within its time-out.
    Msg Status() const;
    // Whether the user has asked the operation to stop.
    bool CancelRequested() const;
    // Runs one exchange on the handset, opening it first when it is not open. A failed exchange
    // closes it, so that the next one starts from a fresh connection.
    Msg Exchange(ExchangeRequest& request);

    // Serialises the handset work of the whole process (count 1, maximum 1): one operation at a time.
    static TimedSemaphore s_transferLock;

private:
    HandsetSession& Outermost() { return m_outer ? *m_outer : *this; }
    const HandsetSession& Outermost() const { return m_outer ? *m_outer : *this; }

    HandsetSession* m_outer = nullptr;
    Event* m_cancel = nullptr;
    bool m_locked = false;
    std::unique_ptr<HandsetDevice> m_device;
};
