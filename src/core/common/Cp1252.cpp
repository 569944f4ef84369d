#include "core/common/Cp1252.h"

#include <array>

namespace {

// 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves undefined.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

std::optional<char> Encode(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    // The five bytes without a character come back as the C1 codes they were shown as.
    if (u >= 0x80 && u <= 0x9F && kHigh[u - 0x80] == 0)
        return static_cast<char>(u);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] != 0 && kHigh[i] == u)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

}  // namespace

namespace Cp1252 {

QString ToUnicode(std::string_view bytes)
{
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0x9F)
            out += QChar(kHigh[b - 0x80] ? kHigh[b - 0x80] : char16_t(b));  // undefined bytes pass as C1
        else
            out += QChar(char16_t(b));
    }
    return out;
}

std::optional<std::string> FromUnicode(QStringView text)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        const auto b = Encode(c.unicode());
        if (!b)
            return std::nullopt;
        out += *b;
    }
    return out;
}

std::string FromUnicodeLossy(QStringView text)
{
    std::string out;
    for (QChar c : text)
        out += Encode(c.unicode()).value_or('?');
    return out;
}

bool CanEncode(QChar c)
{
    return Encode(c.unicode()).has_value();
}

std::string FromUnicodeDropping(QStringView text, int& dropped)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (const auto b = Encode(c.unicode())) {
            out += *b;
            continue;
        }
        ++dropped;
        // A character beyond the first 65536 is two code units but one character.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    return out;
}

}  // namespace Cp1252
