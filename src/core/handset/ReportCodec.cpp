#include "core/handset/ReportCodec.h"

#include "core/common/ByteOrder.h"

#include <algorithm>

namespace ReportCodec {

bool LengthsUsable(const ReportCaps& caps)
{
    const int max = static_cast<int>(kMaxReportLength);
    return caps.outLen >= kMinOutLength && caps.outLen <= max && caps.inLen >= kMinInLength && caps.inLen <= max;
}

std::uint64_t CountDataReports(std::uint64_t bytes, int outLen)
{
    const std::uint64_t payload = PayloadPerReport(outLen);
    return (bytes + payload - 1) / payload;
}

void BuildCommand(std::span<std::uint8_t> buffer, std::uint8_t op, std::uint8_t function,
                  std::span<const std::uint8_t> parameters)
{
    std::fill(buffer.begin(), buffer.end(), 0);
    buffer[command::kId] = kCommandReportId;
    buffer[command::kOp] = op;
    buffer[command::kFunction] = function;
    const std::size_t room = buffer.size() - command::kParameters;
    const std::size_t n = std::min(parameters.size(), room);
    std::copy_n(parameters.begin(), n, buffer.begin() + command::kParameters);
}

void BuildDataReport(std::span<std::uint8_t> buffer, int outLen, std::span<const std::uint8_t> data,
                     std::uint64_t index)
{
    const std::size_t payload = PayloadPerReport(outLen);
    std::fill_n(buffer.begin(), outLen, 0);
    buffer[datareport::kId] = kDataReportId;
    const std::uint64_t start = index * payload;
    if (start >= data.size())
        return;
    const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(payload, data.size() - start));
    std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(start), n, buffer.begin() + datareport::kPayload);
}

Reply ParseReply(std::span<const std::uint8_t> report, int inLen)
{
    Reply r;
    r.status = report[reply::kStatus];
    r.formOrCode = report[reply::kFormOrCode];
    r.count = GetLe32(report, reply::kCount);
    r.data = report.subspan(reply::kData, static_cast<std::size_t>(inLen) - reply::kData);
    return r;
}

}  // namespace ReportCodec
