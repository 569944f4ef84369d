#pragma once

#include <cstddef>
#include <cstdint>

// Reports as they cross the wire. Every report starts with its report id byte; all integers
// are little-endian.

// Report lengths include the id byte. Buffers are always this large, whatever the handset says.
inline constexpr std::size_t kMaxReportLength = 4097;
// The smallest lengths the exchanges work with: a whole command out (id, op, function and 8
// parameter bytes), a whole reply header in.
inline constexpr int kMinOutLength = 11;
inline constexpr int kMinInLength = 7;

inline constexpr std::uint8_t kCommandReportId = 1;
inline constexpr std::uint8_t kDataReportId = 2;

// Command report, host to handset, OutLen bytes:
//   [0] id 1   [1] op   [2] function   [3..3+n) parameter bytes   [3+n..] zero
namespace command {
inline constexpr std::size_t kId = 0;
inline constexpr std::size_t kOp = 1;
inline constexpr std::size_t kFunction = 2;
inline constexpr std::size_t kParameters = 3;
}  // namespace command

// Reply report, handset to host, the first report after a command:
//   [0] id 1 (not checked)   [1] status, 0 accepted   [2] data form or refusal code
//   [3..6] byte count   [7..] inline data or reply data
namespace reply {
inline constexpr std::size_t kId = 0;
inline constexpr std::size_t kStatus = 1;
inline constexpr std::size_t kFormOrCode = 2;
inline constexpr std::size_t kCount = 3;
inline constexpr std::size_t kData = 7;
inline constexpr std::uint8_t kStatusAccepted = 0;
inline constexpr std::uint8_t kFormDataReports = 0;
inline constexpr std::uint8_t kFormInline = 1;
}  // namespace reply

// Data report, either direction:
//   [0] id 2   [1..OutLen-1] payload; the tail of the last report of a run is zero
namespace datareport {
inline constexpr std::size_t kId = 0;
inline constexpr std::size_t kPayload = 1;
}  // namespace datareport

// Op codes of a command.
inline constexpr std::uint8_t OP_WRITE = 1;
inline constexpr std::uint8_t OP_READ = 2;
inline constexpr std::uint8_t OP_CONTROL = 3;

// The command that tells the handset to drop a download in progress (no parameter bytes).
inline constexpr std::uint8_t FN_ABORT = 14;
