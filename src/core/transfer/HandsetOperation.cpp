#include "core/transfer/HandsetOperation.h"

#include "core/transfer/HandsetSession.h"

#include "core/common/Event.h"
#include "core/common/ProgressDisplay.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <system_error>
#include <thread>

namespace {

// The worker asks for a slightly higher priority so that report timing does not suffer from the
// interface. Without the privilege for it the request fails, and that is fine.
void RaisePriority()
{
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::syscall(SYS_gettid)), -2);
}

}  // namespace

Msg HandsetOperation::Run(ProgressDisplay& progress, const std::function<Msg()>& task)
{
    progress.CancelEvent().Reset();
    Event finished(Event::Mode::ManualReset);
    if (!finished.IsValid())
        return Msg::CreateEventFailed;
    Msg result = Msg::ReadFailed;
    std::thread worker;
    try {
        worker = std::thread([&] {
            RaisePriority();
            try {
                HandsetSession session(&progress.CancelEvent(), false);
                result = session.Status() != Msg::Ok ? session.Status() : task();
            } catch (...) {
                result = Msg::ReadFailed;
            }
            finished.Set();
        });
    } catch (const std::system_error&) {
        return Msg::ReadFailed;
    }
    progress.WaitUntil(finished);
    worker.join();
    return result;
}
