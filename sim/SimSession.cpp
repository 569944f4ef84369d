#include "sim/SimSession.h"

#include "core/common/ByteOrder.h"
#include "core/handset/ReportLayout.h"
#include "core/transfer/ProtocolCodes.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kStatusRefused = 1;

}  // namespace

SimSession::SimSession(SimHandset& handset)
    : m_handset(handset), m_inLen(handset.Config().inLen), m_outLen(handset.Config().outLen)
{
}

bool SimSession::TakeBudget(SimOutput& out)
{
    if (m_faults.disconnectAfter >= 0 && m_reports >= m_faults.disconnectAfter) {
        out.action = SimAction::Disconnect;
        return false;
    }
    ++m_reports;
    return true;
}

bool SimSession::Emit(std::vector<std::uint8_t> report, SimOutput& out)
{
    if (!TakeBudget(out))
        return false;
    out.reports.push_back(std::move(report));
    return true;
}

SimOutput SimSession::OnReport(std::span<const std::uint8_t> report)
{
    SimOutput out;
    m_faults = m_handset.Faults();
    if (report.empty() || !TakeBudget(out))
        return out;
    if (report[0] == kCommandReportId)
        OnCommand(report, out);
    else if (report[0] == kDataReportId)
        OnData(report, out);
    return out;
}

void SimSession::OnCommand(std::span<const std::uint8_t> report, SimOutput& out)
{
    if (report.size() <= command::kFunction)
        return;
    const std::uint8_t op = report[command::kOp];
    const std::uint8_t function = report[command::kFunction];
    // A short output report cuts the parameter block off; the missing bytes read as zero.
    std::array<std::uint8_t, params::kSize> p{};
    if (report.size() > command::kParameters)
        std::copy_n(report.begin() + command::kParameters,
                    std::min(p.size(), report.size() - command::kParameters), p.begin());
    const std::size_t logIndex = m_handset.Log(op, function, p);
    m_dataReports = 0;

    if (op == OP_CONTROL && function == FN_ABORT)
        m_write.reset();
    if (m_faults.noReply)
        return;
    if (m_faults.refuseCode != 0) {
        Answer({static_cast<std::uint8_t>(m_faults.refuseCode), {}}, op == OP_WRITE, out);
        return;
    }

    if (op == OP_WRITE) {
        const SimHandset::Answer a = m_handset.BeginWrite(function, p);
        Answer(a, true, out);
        if (a.refusal != 0 || out.action != SimAction::Continue)
            return;
        m_write = PendingWrite{function, p, GetLe32(p, params::kLength), {}, logIndex};
        if (m_write->length == 0)
            FinishWrite();
        return;
    }
    if (op == OP_READ || op == OP_CONTROL) {
        Answer(m_handset.Read(function, p), false, out);
        return;
    }
    Answer({1, {}}, false, out);
}

void SimSession::Answer(const SimHandset::Answer& answer, bool isWrite, SimOutput& out)
{
    std::vector<std::uint8_t> reply(static_cast<std::size_t>(m_inLen), 0);
    reply[reply::kId] = kCommandReportId;
    if (answer.refusal != 0) {
        reply[reply::kStatus] = kStatusRefused;
        reply[reply::kFormOrCode] = answer.refusal;
        Emit(std::move(reply), out);
        return;
    }
    const std::size_t room = static_cast<std::size_t>(m_inLen) - reply::kData;
    const bool inline_ = isWrite || answer.data.size() <= room;
    reply[reply::kFormOrCode] = inline_ ? reply::kFormInline : reply::kFormDataReports;
    PutLe32(reply, reply::kCount, static_cast<std::uint32_t>(answer.data.size()));
    if (inline_) {
        std::copy_n(answer.data.begin(), std::min(room, answer.data.size()), reply.begin() + reply::kData);
        Emit(std::move(reply), out);
        return;
    }
    if (!Emit(std::move(reply), out))
        return;

    // Data reports carry OutLen - 1 bytes each, whatever the input report length.
    const std::size_t payload = static_cast<std::size_t>(m_outLen) - 1;
    const std::size_t fits = std::min(payload, static_cast<std::size_t>(m_inLen) - 1);
    for (std::size_t at = 0; at < answer.data.size(); at += payload) {
        if (m_faults.stallAfter >= 0 && m_dataReports >= m_faults.stallAfter) {
            out.action = SimAction::Stall;
            return;
        }
        std::vector<std::uint8_t> data(static_cast<std::size_t>(m_inLen), 0);
        data[datareport::kId] = kDataReportId;
        const std::size_t n = std::min({fits, payload, answer.data.size() - at});
        std::copy_n(answer.data.begin() + static_cast<std::ptrdiff_t>(at), n, data.begin() + datareport::kPayload);
        if (!Emit(std::move(data), out))
            return;
        ++m_dataReports;
    }
}

void SimSession::OnData(std::span<const std::uint8_t> report, SimOutput& out)
{
    m_handset.NoteDataReportTaken();
    if (!m_write)
        return;
    const std::size_t payload = static_cast<std::size_t>(m_outLen) - 1;
    const std::size_t left = m_write->length - m_write->data.size();
    const std::size_t n = std::min({payload, left, report.size() - datareport::kPayload});
    m_write->data.insert(m_write->data.end(), report.begin() + datareport::kPayload,
                         report.begin() + datareport::kPayload + static_cast<std::ptrdiff_t>(n));
    ++m_dataReports;

    if (m_faults.unsolicitedAfter >= 0 && m_dataReports == m_faults.unsolicitedAfter) {
        // The handset stops the download with a report of its own.
        std::vector<std::uint8_t> stop(static_cast<std::size_t>(m_inLen), 0);
        stop[reply::kId] = kCommandReportId;
        stop[reply::kStatus] = kStatusRefused;
        stop[reply::kFormOrCode] = m_faults.unsolicitedCode;
        m_write.reset();
        Emit(std::move(stop), out);
        return;
    }
    if (m_write->data.size() >= m_write->length)
        FinishWrite();
    if (m_faults.stallAfter >= 0 && m_dataReports >= m_faults.stallAfter)
        out.action = SimAction::Stall;
}

void SimSession::FinishWrite()
{
    m_handset.CommitWrite(m_write->function, m_write->parameters, m_write->data);
    m_handset.CompleteLog(m_write->logIndex, m_write->data);
    m_write.reset();
}
