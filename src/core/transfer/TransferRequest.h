#pragma once

#include "core/handset/ExchangeRequest.h"

#include "core/common/Msg.h"

#include <atomic>

class Event;
class ProgressDisplay;

// The one exchange in flight in the whole process: filled by Execute while it holds the
// transfer lock, read by the worker, which writes only the result and then signals completed.
struct TransferRequest {
    ExchangeRequest exchange;
    std::atomic<Msg> result{Msg::Ok};
    Event* completed = nullptr;
    ProgressDisplay* progress = nullptr;
    // Padding of the last outbound data report; always 0.
    std::uint8_t fill = 0;
};
