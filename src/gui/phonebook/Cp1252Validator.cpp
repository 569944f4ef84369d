#include "gui/phonebook/Cp1252Validator.h"

#include "core/common/Cp1252.h"

QValidator::State Cp1252Validator::validate(QString& input, int&) const
{
    return Cp1252::FromUnicode(input) ? Acceptable : Invalid;
}
