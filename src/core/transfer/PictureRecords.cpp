#include "core/transfer/PictureRecords.h"

#include "core/transfer/NameField.h"
#include "core/transfer/RecordLayouts.h"

#include "core/common/ByteOrder.h"

std::array<std::uint8_t, 4> PicturePayloadHeader(int width, int height)
{
    std::array<std::uint8_t, 4> h{};
    h[picturepayload::kHeight] = static_cast<std::uint8_t>(height & 0xFF);
    h[picturepayload::kWidth] = static_cast<std::uint8_t>(width & 0xFF);
    return h;
}

std::array<std::uint8_t, 20> ImageNameRecord(const RecordTag& pictureTag, const std::string& name)
{
    std::array<std::uint8_t, imagename::kSize> r{};
    r[imagename::kTag] = pictureTag.dataClass;
    r[imagename::kTag + 1] = pictureTag.index;
    PutLe16(r, imagename::kTag + 2, pictureTag.word);
    WriteNameField(std::span(r).subspan(imagename::kName, kNameFieldSize), name);
    return r;
}
