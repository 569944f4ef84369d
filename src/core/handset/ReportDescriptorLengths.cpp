#include "core/handset/ReportDescriptorLengths.h"

#include <algorithm>
#include <map>
#include <vector>

namespace {

// Short item prefix: bits 0-1 size code (3 means 4 bytes), bits 2-3 type, bits 4-7 tag.
constexpr std::uint8_t kLongItemPrefix = 0xFE;
constexpr int kTypeMain = 0;
constexpr int kTypeGlobal = 1;
constexpr int kMainInput = 0x8;
constexpr int kMainOutput = 0x9;
constexpr int kGlobalReportSize = 0x7;
constexpr int kGlobalReportId = 0x8;
constexpr int kGlobalReportCount = 0x9;
constexpr int kGlobalPush = 0xA;
constexpr int kGlobalPop = 0xB;

// Bits are summed in 64 bits and capped, so a hostile descriptor cannot overflow anything.
constexpr std::uint64_t kBitCap = 1ull << 40;

struct Globals {
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint32_t reportId = 0;
};

int BytesWithId(std::uint64_t bits)
{
    const std::uint64_t bytes = (bits + 7) / 8 + 1;
    return static_cast<int>(std::min<std::uint64_t>(bytes, 1u << 30));
}

}  // namespace

ReportDescriptorLengths ReportDescriptorLengths::Parse(std::span<const std::uint8_t> d)
{
    ReportDescriptorLengths result;
    Globals g;
    std::vector<Globals> stack;
    std::map<std::uint32_t, std::uint64_t> inputBits;
    std::map<std::uint32_t, std::uint64_t> outputBits;

    std::size_t i = 0;
    while (i < d.size()) {
        const std::uint8_t prefix = d[i];
        if (prefix == kLongItemPrefix) {
            if (i + 1 >= d.size()) {
                result.complete = false;
                break;
            }
            i += 3 + d[i + 1];  // prefix, size, tag, data
            continue;
        }
        const std::size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
        if (i + 1 + size > d.size()) {
            result.complete = false;
            break;
        }
        std::uint32_t value = 0;
        for (std::size_t k = 0; k < size; ++k)
            value |= static_cast<std::uint32_t>(d[i + 1 + k]) << (8 * k);
        const int type = (prefix >> 2) & 3;
        const int tag = prefix >> 4;
        i += 1 + size;

        if (type == kTypeGlobal) {
            switch (tag) {
            case kGlobalReportSize: g.reportSize = value; break;
            case kGlobalReportCount: g.reportCount = value; break;
            case kGlobalReportId: g.reportId = value; break;
            case kGlobalPush: stack.push_back(g); break;
            case kGlobalPop:
                if (!stack.empty()) {
                    g = stack.back();
                    stack.pop_back();
                }
                break;
            default: break;
            }
        } else if (type == kTypeMain && (tag == kMainInput || tag == kMainOutput)) {
            auto& bits = (tag == kMainInput ? inputBits : outputBits)[g.reportId];
            bits = std::min(kBitCap, bits + static_cast<std::uint64_t>(g.reportSize) * g.reportCount);
        }
    }

    for (const auto& [id, bits] : inputBits)
        result.inLen = std::max(result.inLen, BytesWithId(bits));
    for (const auto& [id, bits] : outputBits)
        result.outLen = std::max(result.outLen, BytesWithId(bits));
    return result;
}
