#pragma once

#include "core/common/Msg.h"

#include <QString>

#include <cstdint>

// The text of a string-table entry, or an empty string when the id has none.
QString LoadString(std::uint32_t id);
inline QString LoadString(Msg m) { return LoadString(ToId(m)); }
