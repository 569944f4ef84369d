#include "core/transfer/BaseDataTransfer.h"

#include "core/transfer/HandsetSession.h"
#include "core/transfer/ProtocolCodes.h"

#include "core/common/NullProgress.h"
#include "core/handset/ExchangeRequest.h"

#include "core/common/ByteOrder.h"

#include <array>

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

}  // namespace

BaseDataTransfer::BaseDataTransfer() = default;

ProgressDisplay* BaseDataTransfer::ProgressDialog() const
{
    static NullProgress silent;
    return m_progress ? m_progress : &silent;
}
BaseDataTransfer::~BaseDataTransfer() = default;

Msg BaseDataTransfer::Execute(std::uint8_t op, std::uint8_t function, std::span<const std::uint8_t> parameters,
                              std::span<const std::uint8_t> data, std::vector<std::uint8_t>* received,
                              std::vector<std::uint8_t>* reply)
{
    ProgressDisplay* progress = ProgressDialog();
    HandsetSession session(&progress->CancelEvent());
    if (const Msg m = session.Status(); m != Msg::Ok)
        return m;
    if (op != OP_WRITE && op != OP_READ && op != OP_CONTROL)
        return Msg::ReadFailed;
    ExchangeRequest r;
    r.op = op;
    r.function = function;
    r.parameters = parameters;
    r.data = data;
    r.received = received;
    r.reply = reply;
    r.progressStep = [progress] { progress->PostStep(); };
    r.stepWhenInline = m_stepWhenInline;
    try {
        return session.Exchange(r);
    } catch (...) {
        return Msg::ReadFailed;
    }
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
