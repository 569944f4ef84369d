#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

// The handset and the phone-book files keep text as 8-bit Windows-1252. The model keeps those
// bytes; these convert at the edge, where text meets a person.
namespace Cp1252 {

QString ToUnicode(std::string_view bytes);
// Null when some character has no Windows-1252 byte (the handset could not store it).
std::optional<std::string> FromUnicode(QStringView text);
bool CanEncode(QChar c);
// As FromUnicode, with '?' for each character that has no byte (for pasted text, which is not
// filtered).
std::string FromUnicodeLossy(QStringView text);
// As FromUnicode, leaving out each character that has no byte and counting it in `dropped`
// (for imported text: a "?" would be stored as if it were the name).
std::string FromUnicodeDropping(QStringView text, int& dropped);

}  // namespace Cp1252
