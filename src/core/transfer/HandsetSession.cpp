#include "core/transfer/HandsetSession.h"

#include "core/transfer/ProtocolCodes.h"

#include "core/common/Event.h"
#include "core/common/Log.h"
#include "core/handset/ExchangeRequest.h"
#include "core/handset/HandsetDevice.h"
#include "core/handset/HandsetLink.h"
#include "core/handset/Timeouts.h"

TimedSemaphore HandsetSession::s_transferLock(1, 1);

namespace {

thread_local HandsetSession* t_current = nullptr;

}  // namespace

HandsetSession::HandsetSession(Event* cancel, bool clearCancel) : m_outer(t_current), m_cancel(cancel)
{
    if (m_outer)
        return;
    if (clearCancel && m_cancel)
        m_cancel->Reset();
    m_locked = s_transferLock.TryAcquireFor(HandsetTimeouts().transferLockMs);
    if (!m_locked)
        qCDebug(lcDialbook, "Timeout waiting for Access to lock in BaseDataTransfer!");
    t_current = this;
}

HandsetSession::~HandsetSession()
{
    if (m_outer)
        return;
    t_current = nullptr;
    m_device.reset();
    if (m_locked)
        s_transferLock.Release();
}

Msg HandsetSession::Status() const
{
    return Outermost().m_locked ? Msg::Ok : Msg::ReadFailed;
}

bool HandsetSession::CancelRequested() const
{
    const Event* cancel = Outermost().m_cancel;
    return cancel && cancel->IsSet();
}

Msg HandsetSession::Exchange(ExchangeRequest& request)
{
    HandsetSession& s = Outermost();
    if (!s.m_locked)
        return Msg::ReadFailed;
    request.cancel = s.m_cancel;
    if (!s.m_device) {
        s.m_device = HandsetLink::OpenForExchange();
        if (!s.m_device)
            return Msg::PhoneNotFound;
    }
    const Msg result = request.op == OP_WRITE ? HandsetLink::SendOn(*s.m_device, request)
                                              : HandsetLink::ReceiveOn(*s.m_device, request);
    if (result != Msg::Ok)
        s.m_device.reset();
    return result;
}
