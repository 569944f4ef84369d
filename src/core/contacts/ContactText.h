#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Contact files come from other programs in UTF-8, with or without a byte-order mark, in UTF-16
// (Excel's "Unicode text", always with its byte-order mark) or in Windows-1252. Each file is
// judged as a whole: a UTF-16 byte-order mark makes it UTF-16, valid UTF-8 is UTF-8, anything
// else is Windows-1252.
namespace ContactText {

// The bytes without a UTF-8 byte-order mark at their start.
QByteArrayView WithoutBom(QByteArrayView bytes);
// Whether the bytes start with a UTF-16 byte-order mark, little-endian (FF FE) or big (FE FF).
bool IsUtf16(QByteArrayView bytes);
// Never true for UTF-16 with its byte-order mark: FF and FE are no UTF-8 bytes.
bool IsUtf8(QByteArrayView bytes);
// The text as UTF-8 bytes: unchanged when it is UTF-8 already, else converted from UTF-16 or
// Windows-1252. A byte-order mark is left out, and so is the odd last byte of UTF-16.
QByteArray ToUtf8(QByteArrayView bytes);
// The same, as text.
QString Decode(QByteArrayView bytes);

}  // namespace ContactText
