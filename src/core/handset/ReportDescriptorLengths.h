#pragma once

#include <cstdint>
#include <span>

// The input and output report lengths a HID report descriptor implies, as the Windows HID
// parser reports them: the largest report of each kind in bytes, plus one for the report id
// byte (present in the buffer even when the device uses no report ids).
struct ReportDescriptorLengths {
    int inLen = 0;
    int outLen = 0;
    // False when the descriptor ended inside an item; lengths then cover what was parsed.
    bool complete = true;

    static ReportDescriptorLengths Parse(std::span<const std::uint8_t> descriptor);
};
