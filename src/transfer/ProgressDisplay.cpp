#include "ProgressDisplay.h"

#include "common/StringTable.h"

void ProgressDisplay::SetStatusText(std::uint32_t id)
{
    SetStatusText(LoadString(id));
}
