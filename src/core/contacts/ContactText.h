#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Contact files come from other programs in UTF-8, with or without a byte-order mark, or in
// Windows-1252. Each file is judged as a whole: valid UTF-8 is UTF-8, anything else is
// Windows-1252.
namespace ContactText {

// The bytes without a UTF-8 byte-order mark at their start.
QByteArrayView WithoutBom(QByteArrayView bytes);
bool IsUtf8(QByteArrayView bytes);
// The text as UTF-8 bytes: unchanged when it is UTF-8 already, else converted from
// Windows-1252. A byte-order mark is left out.
QByteArray ToUtf8(QByteArrayView bytes);
// The same, as text.
QString Decode(QByteArrayView bytes);

}  // namespace ContactText
