#pragma once

#include "core/common/Msg.h"

#include <functional>

class ProgressDisplay;

// A whole handset task (read the information, receive the book, send it, send a picture) run
// as one operation: on a worker thread, under one HandsetSession (one hold of the transfer lock,
// one connection to the handset, one cancel token), while `progress` keeps its display alive on
// the calling thread. The calling thread gets the result when the task has ended.
class HandsetOperation {
public:
    // The cancel token is cleared here, before the task starts, and never again inside it. Any
    // failure thrown inside the task is Msg::ReadFailed.
    static Msg Run(ProgressDisplay& progress, const std::function<Msg()>& task);
};
