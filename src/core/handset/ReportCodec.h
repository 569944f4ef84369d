#pragma once

#include "core/handset/ReportCaps.h"
#include "core/handset/ReportLayout.h"

#include <cstddef>
#include <cstdint>
#include <span>

// Building and reading reports. Bytes only: no I/O happens here.
namespace ReportCodec {

// Whether both lengths leave room for a report and fit the report buffers: OutLen must carry
// at least one payload byte and fit 4097 bytes; InLen must hold a reply header and fit too.
bool LengthsUsable(const ReportCaps& caps);

inline std::size_t PayloadPerReport(int outLen) { return static_cast<std::size_t>(outLen) - 1; }

// Data reports needed for `bytes` bytes: ceil(bytes / (outLen - 1)). outLen must be usable.
std::uint64_t CountDataReports(std::uint64_t bytes, int outLen);

// Fills `buffer` (kMaxReportLength bytes) with a zeroed command report. Parameter bytes that
// do not fit the buffer are dropped; only the first OutLen bytes are ever sent.
void BuildCommand(std::span<std::uint8_t> buffer, std::uint8_t op, std::uint8_t function,
                  std::span<const std::uint8_t> parameters);

// Fills the first outLen bytes of `buffer` with data report `index` of a run carrying `data`.
void BuildDataReport(std::span<std::uint8_t> buffer, int outLen, std::span<const std::uint8_t> data,
                     std::uint64_t index);

struct Reply {
    std::uint8_t status = 0;
    std::uint8_t formOrCode = 0;
    std::uint32_t count = 0;
    // The bytes from the data offset up to InLen.
    std::span<const std::uint8_t> data;

    bool Accepted() const { return status == reply::kStatusAccepted; }
};

// Reads the reply header of a report that is inLen bytes long (inLen >= kMinInLength).
Reply ParseReply(std::span<const std::uint8_t> report, int inLen);

}  // namespace ReportCodec
