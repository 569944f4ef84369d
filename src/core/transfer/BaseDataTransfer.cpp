#include "core/transfer/BaseDataTransfer.h"

#include "core/common/ProgressDisplay.h"
#include "core/transfer/ProtocolCodes.h"

#include "core/common/ByteOrder.h"
#include "core/common/Log.h"
#include "core/handset/HandsetLink.h"
#include "core/handset/Timeouts.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <array>
#include <system_error>
#include <thread>

TimedSemaphore BaseDataTransfer::s_transferLock(1, 1);
TransferRequest BaseDataTransfer::s_request;

namespace {

constexpr std::size_t kCountReplySize = 4;
constexpr std::size_t kTagSize = 4;

// Parameter block: length, then a record tag.
std::array<std::uint8_t, params::kSize> Parameters(std::uint32_t length, RecordTag tag)
{
    std::array<std::uint8_t, params::kSize> p{};
    PutLe32(p, params::kLength, length);
    p[params::kClass] = tag.dataClass;
    p[params::kIndex] = tag.index;
    PutLe16(p, params::kWord, tag.word);
    return p;
}

// Worker threads ask for a slightly higher priority so that report timing does not suffer
// from the interface. Without the privilege for it the request fails, and that is fine.
void RaisePriority()
{
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::syscall(SYS_gettid)), -2);
}

class NullProgress final : public ProgressDisplay {
public:
    void SetStatusText(const QString&) override {}
    void SetRange(int, int) override {}
    void SetStep(int) override {}
    void ResetPosition() override {}
    void PumpMessages() override {}
    void PostStep() override {}
};

}  // namespace

BaseDataTransfer::BaseDataTransfer() = default;

ProgressDisplay* BaseDataTransfer::ProgressDialog() const
{
    static NullProgress silent;
    return m_progress ? m_progress : &silent;
}
BaseDataTransfer::~BaseDataTransfer() = default;

void BaseDataTransfer::TransferThreadProc(TransferRequest* request)
{
    RaisePriority();
    Msg result = Msg::ReadFailed;
    try {
        HandsetLink link;
        switch (request->exchange.op) {
        case OP_WRITE: result = link.SendExchange(request->exchange); break;
        case OP_READ:
        case OP_CONTROL: result = link.ReceiveExchange(request->exchange); break;
        default: result = Msg::ReadFailed; break;
        }
    } catch (...) {
        result = Msg::ReadFailed;
    }
    request->result = result;
    request->completed->Set();
}

Msg BaseDataTransfer::Execute(std::uint8_t op, std::uint8_t function, std::span<const std::uint8_t> parameters,
                              std::span<const std::uint8_t> data, std::vector<std::uint8_t>* received,
                              std::vector<std::uint8_t>* reply)
{
    if (!s_transferLock.TryAcquireFor(HandsetTimeouts().transferLockMs)) {
        qCDebug(lcDialbook, "Timeout waiting for Access to lock in BaseDataTransfer!");
        return Msg::ReadFailed;
    }
    ProgressDisplay* progress = ProgressDialog();
    progress->CancelEvent().Reset();
    m_completed.Reset();

    TransferRequest& r = s_request;
    r.exchange = ExchangeRequest{};
    r.exchange.op = op;
    r.exchange.function = function;
    r.exchange.parameters = parameters;
    r.exchange.data = data;
    r.exchange.received = received;
    r.exchange.reply = reply;
    r.exchange.progressStep = [progress] { progress->PostStep(); };
    r.exchange.stepWhenInline = m_stepWhenInline;
    r.exchange.cancel = &progress->CancelEvent();
    r.result = Msg::Ok;
    r.completed = &m_completed;
    r.progress = progress;
    r.fill = 0;

    std::thread worker;
    try {
        worker = std::thread(&BaseDataTransfer::TransferThreadProc, &r);
    } catch (const std::system_error&) {
        s_transferLock.Release();
        return Msg::ReadFailed;
    }
    const int slice = HandsetTimeouts().pumpSliceMs;
    for (;;) {
        const bool done = m_completed.Wait(slice);
        progress->PumpMessages();
        if (done)
            break;
    }
    worker.join();
    const Msg result = r.result;
    r.exchange = ExchangeRequest{};
    s_transferLock.Release();
    return result;
}

Msg BaseDataTransfer::BeginDownload(std::uint8_t dataClass)
{
    const auto p = Parameters(4, {dataClass, 0, 0});
    std::vector<std::uint8_t> ignored;
    return Execute(OP_CONTROL, FN_BEGIN_DOWNLOAD, p, {}, &ignored, nullptr);
}

Msg BaseDataTransfer::ReadCount(std::uint16_t& count, std::uint16_t& second, std::uint8_t dataClass)
{
    const auto p = Parameters(4, {dataClass, 0, 0});
    std::vector<std::uint8_t> data;
    const Msg m = Execute(OP_READ, FN_READ_COUNT, p, {}, &data, nullptr);
    if (m != Msg::Ok)
        return m;
    if (data.size() != kCountReplySize)
        return Msg::DataInError;
    count = GetLe16(data, 0);
    second = GetLe16(data, 2);
    return Msg::Ok;
}

Msg BaseDataTransfer::ReadRecord(std::vector<std::uint8_t>& data, RecordTag tag)
{
    const auto p = Parameters(4, {tag.dataClass, tag.index, 0});
    m_stepWhenInline = true;
    const Msg m = Execute(OP_READ, FN_READ_RECORD, p, {}, &data, nullptr);
    m_stepWhenInline = false;
    return m;
}

Msg BaseDataTransfer::Write(std::uint8_t function, std::span<const std::uint8_t> data, RecordTag& tag, bool fullTag)
{
    if (data.data() == nullptr)
        return Msg::NothingToSend;
    const RecordTag sent = fullTag ? tag : RecordTag{tag.dataClass, 0, 0};
    const auto p = Parameters(static_cast<std::uint32_t>(data.size()), sent);
    std::vector<std::uint8_t> reply;
    const Msg m = Execute(OP_WRITE, function, p, data, nullptr, &reply);
    if (m != Msg::Ok)
        return m;
    if (reply.size() != kTagSize)
        return Msg::DataInError;
    tag = {reply[0], reply[1], GetLe16(reply, 2)};
    return Msg::Ok;
}

Msg BaseDataTransfer::WriteImageData(std::span<const std::uint8_t> data, RecordTag& tag)
{
    return Write(FN_WRITE_IMAGE, data, tag, false);
}

Msg BaseDataTransfer::WriteRecord(std::span<const std::uint8_t> data, RecordTag& tag)
{
    return Write(FN_WRITE_RECORD, data, tag, false);
}

Msg BaseDataTransfer::WriteInfo(std::span<const std::uint8_t> data, RecordTag& tag)
{
    return Write(FN_WRITE_INFO, data, tag, true);
}
