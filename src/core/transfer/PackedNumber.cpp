#include "core/transfer/PackedNumber.h"

#include <optional>

namespace {

std::optional<std::uint8_t> CodeOf(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<std::uint8_t>(c - '0');
    switch (c) {
    case '*': return 10;
    case '#': return 11;
    case 'F':
    case 'f': return 13;
    case 'P':
    case 'p': return 14;
    default: return std::nullopt;
    }
}

constexpr char kCharOf[16] = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', '*', '#', 0, 'F', 'P', 0};

}  // namespace

PackedNumber PackedNumber::Pack(std::string_view number)
{
    PackedNumber p;
    std::size_t k = 0;
    for (char c : number) {
        const auto code = CodeOf(c);
        if (!code)
            continue;
        // Longer numbers cannot come through the editor; the field simply holds no more.
        if (k == kMaxDigits)
            break;
        std::uint8_t& byte = p.codes[k / 2];
        byte = static_cast<std::uint8_t>(k % 2 == 0 ? (byte & 0x0F) | (*code << 4) : (byte & 0xF0) | *code);
        ++k;
    }
    p.count = static_cast<std::uint8_t>(k);
    return p;
}

std::string PackedNumber::Unpack() const
{
    std::string out;
    for (std::size_t k = 0; k < count && k < kMaxDigits; ++k) {
        const std::uint8_t byte = codes[k / 2];
        const std::uint8_t code = k % 2 == 0 ? byte >> 4 : byte & 0x0F;
        if (kCharOf[code] != 0)
            out += kCharOf[code];
    }
    return out;
}
