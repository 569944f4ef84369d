#include "core/transfer/HandsetInfoTransfer.h"

#include "core/transfer/NameField.h"
#include "core/transfer/ProtocolCodes.h"
#include "core/transfer/RecordLayouts.h"

#include <array>

HandsetInfo& SharedHandsetInfo()
{
    static HandsetInfo info;
    return info;
}

Msg HandsetInfoTransfer::GetInfo(HandsetInfo& info)
{
    const RecordTag tag{CLASS_HANDSET_INFO, 0, 0};
    std::vector<std::uint8_t> data;
    if (const Msg m = ReadRecord(data, tag); m != Msg::Ok)
        return m;
    // Anything but the exact record could be read past its end.
    if (data.size() != inforeply::kSize)
        return Msg::HandsetSettingsUnreadable;
    info.name = ReadNameField(std::span(data).subspan(inforeply::kName, kNameFieldSize));
    info.identity = {GetLe32(data, inforeply::kIdentity32), GetLe16(data, inforeply::kIdentity16)};
    info.tag = tag;
    return Msg::Ok;
}

Msg HandsetInfoTransfer::SetInfo(HandsetInfo* info)
{
    if (!info)
        return Msg::CouldNotSendToPhone;
    std::array<std::uint8_t, infowrite::kSize> record{};
    WriteNameField(std::span(record).subspan(infowrite::kName, kNameFieldSize), info->name);
    PutLe32(record, infowrite::kIdentity32, info->identity.part32);
    PutLe16(record, infowrite::kIdentity16, info->identity.part16);
    return WriteInfo(record, info->tag);
}
