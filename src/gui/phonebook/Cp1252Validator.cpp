#include "gui/phonebook/Cp1252Validator.h"

#include "core/common/Cp1252.h"
#include "core/common/Transliteration.h"

QValidator::State Cp1252Validator::validate(QString& input, int& pos) const
{
    if (!Cp1252::FromUnicode(input)) {
        // The cursor stays after what was typed before it, however long its Latin spelling is.
        const QStringView typed = QStringView(input).first(qBound(0, pos, static_cast<int>(input.size())));
        const qsizetype before = Transliteration::ToCp1252Letters(typed).size();
        input = Transliteration::ToCp1252Letters(input);
        pos = static_cast<int>(qMin(before, input.size()));
    }
    return Cp1252::FromUnicode(input) ? Acceptable : Invalid;
}
