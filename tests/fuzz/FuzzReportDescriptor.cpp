// Report descriptors straight from a device: any bytes at all.

#include "core/handset/ReportDescriptorLengths.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto lengths = ReportDescriptorLengths::Parse(std::span(data, size));
    if (lengths.inLen < 0 || lengths.outLen < 0)
        __builtin_trap();
    return 0;
}
