#include "core/contacts/ContactText.h"

#include "core/common/Cp1252.h"

#include <QStringDecoder>

#include <cstdint>
#include <cstring>

#include <string_view>

namespace ContactText {

namespace {

QString FromUtf16(QByteArrayView bytes)
{
    const bool littleEndian = bytes.startsWith("\xFF\xFE");
    QByteArrayView body = bytes.sliced(2);
    // A file cut short by one byte: the rest is still whole characters.
    if (body.size() % 2 != 0)
        body.chop(1);
    QStringDecoder decoder(littleEndian ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
    return decoder.decode(body);
}

QString FromCp1252(QByteArrayView bytes)
{
    return Cp1252::ToUnicode(std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

QByteArrayView WithoutBom(QByteArrayView bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
}

bool IsUtf16(QByteArrayView bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

bool IsUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        // Most of any contacts file is ASCII: eight bytes at a time.
        if (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, sizeof word);
            if ((word & 0x8080808080808080ULL) == 0) {
                p += 8;
                continue;
            }
        }
        const unsigned char b = *p;
        if (b < 0x80) {
            ++p;
            continue;
        }
        int more;
        char32_t c;
        if (b >= 0xC2 && b <= 0xDF) {
            more = 1;
            c = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            more = 2;
            c = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            more = 3;
            c = b & 0x07;
        } else {
            return false;  // a continuation byte first, an overlong lead, or beyond U+10FFFF
        }
        if (end - p <= more)
            return false;
        for (int i = 1; i <= more; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (p[i] & 0x3F);
        }
        // Overlong forms, surrogates and code points beyond Unicode.
        if ((more == 2 && c < 0x800) || (more == 3 && c < 0x10000) || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
            return false;
        p += more + 1;
    }
    return true;
}

QByteArray ToUtf8(QByteArrayView bytes)
{
    if (IsUtf16(bytes))
        return FromUtf16(bytes).toUtf8();
    bytes = WithoutBom(bytes);
    if (IsUtf8(bytes))
        return bytes.toByteArray();
    return FromCp1252(bytes).toUtf8();
}

QString Decode(QByteArrayView bytes)
{
    if (IsUtf16(bytes))
        return FromUtf16(bytes);
    bytes = WithoutBom(bytes);
    if (IsUtf8(bytes))
        return QString::fromUtf8(bytes);
    return FromCp1252(bytes);
}

}  // namespace ContactText
