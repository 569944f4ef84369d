#pragma once

#include <QString>
#include <QStringView>

// Letters the handset cannot store (Windows-1252 has no byte for them) written in letters it
// can: Ł as L, ő as o, Greek, Cyrillic and Han by their Latin transcription. Characters that
// Windows-1252 holds are left as they are; what has no Latin form stays, for the caller to drop.
namespace Transliteration {

QString ToCp1252Letters(QStringView text);

}  // namespace Transliteration
