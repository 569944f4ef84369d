#include "support/ScriptedPort.h"

#include "core/common/ByteOrder.h"
#include "core/common/Event.h"
#include "core/handset/ReportLayout.h"

#include <algorithm>

void ScriptedPort::QueueNow(std::vector<std::uint8_t> report)
{
    m_input.push_back(std::move(report));
}

void ScriptedPort::QueueAfterWrite(int writes, std::vector<std::uint8_t> report)
{
    m_later.emplace_back(writes, std::move(report));
}

void ScriptedPort::FailWritesFrom(int write, IoStatus status)
{
    m_failFrom = write;
    m_failStatus = status;
}

void ScriptedPort::Release()
{
    const int done = static_cast<int>(m_writes.size());
    auto it = m_later.begin();
    while (it != m_later.end()) {
        if (it->first <= done) {
            m_input.push_back(std::move(it->second));
            it = m_later.erase(it);
        } else {
            ++it;
        }
    }
}

IoStatus ScriptedPort::Read(std::span<std::uint8_t> buffer, int timeoutMs, const Event* cancel)
{
    m_readTimeouts.push_back(timeoutMs);
    std::fill(buffer.begin(), buffer.end(), 0);
    if (m_input.empty()) {
        if (cancel && cancel->IsSet() && timeoutMs > 0)
            return IoStatus::Cancelled;
        return timeoutMs == 0 && m_emptyRead == IoStatus::TimedOut ? IoStatus::TimedOut : m_emptyRead;
    }
    const auto report = std::move(m_input.front());
    m_input.pop_front();
    std::copy_n(report.begin(), std::min({report.size(), buffer.size(), static_cast<std::size_t>(m_caps.inLen)}),
                buffer.begin());
    return IoStatus::Ok;
}

IoStatus ScriptedPort::StartWrite(std::span<const std::uint8_t> report)
{
    m_writes.emplace_back(report.begin(), report.end());
    const int number = static_cast<int>(m_writes.size());
    if (m_onWrite)
        m_onWrite(number);
    return IoStatus::Ok;
}

IoStatus ScriptedPort::FinishWrite(int timeoutMs, const Event* cancel)
{
    m_writeTimeouts.push_back(timeoutMs);
    const int number = static_cast<int>(m_writes.size());
    if (m_failFrom > 0 && number >= m_failFrom)
        return m_failStatus;
    if (cancel && cancel->IsSet())
        return IoStatus::Cancelled;
    Release();
    return IoStatus::Ok;
}

std::vector<std::uint8_t> ReplyReport(int inLen, std::uint8_t status, std::uint8_t formOrCode, std::uint32_t count,
                                      std::span<const std::uint8_t> data)
{
    std::vector<std::uint8_t> r(static_cast<std::size_t>(inLen), 0);
    r[reply::kId] = kCommandReportId;
    r[reply::kStatus] = status;
    r[reply::kFormOrCode] = formOrCode;
    PutLe32(r, reply::kCount, count);
    std::copy_n(data.begin(), std::min(data.size(), r.size() - reply::kData), r.begin() + reply::kData);
    return r;
}

std::vector<std::uint8_t> DataReport(int inLen, std::span<const std::uint8_t> payload)
{
    std::vector<std::uint8_t> r(static_cast<std::size_t>(inLen), 0);
    r[datareport::kId] = kDataReportId;
    std::copy_n(payload.begin(), std::min(payload.size(), r.size() - 1), r.begin() + 1);
    return r;
}
