#include "core/common/ProgressDisplay.h"

#include "core/common/StringTable.h"

void ProgressDisplay::SetStatusText(std::uint32_t id)
{
    SetStatusText(LoadString(id));
}
