#include "core/picture/ImageTransfer.h"

#include "core/transfer/HandsetSession.h"
#include "core/transfer/PictureRecords.h"
#include "core/common/ProgressDisplay.h"
#include "core/transfer/ProtocolCodes.h"
#include "core/transfer/RecordLayouts.h"

#include "core/handset/HandsetLink.h"
#include "core/picture/ImageHandle.h"
#include "core/picture/Rgb565.h"

#include <new>
#include <vector>

namespace {

constexpr int kStepsPerReport = 10;

}  // namespace

Msg ImageTransfer::SendImage(ImageHandle* picture, const std::string& name)
{
    if (!picture)
        return Msg::BitmapMissing;
    const int width = picture->Width();
    const int height = picture->Height();
    const std::size_t size = static_cast<std::size_t>(width) * height * 2 + picturepayload::kPixels;
    std::vector<std::uint8_t> payload;
    try {
        payload.assign(size, 0);
    } catch (const std::bad_alloc&) {
        return Msg::NoMemory;
    }
    if (ConvertToRgb565(*picture, std::span(payload).subspan(picturepayload::kPixels)) != 0)
        return Msg::NoMemory;
    const auto header = PicturePayloadHeader(width, height);
    std::copy(header.begin(), header.end(), payload.begin());

    ProgressDisplay* progress = ProgressDialog();
    // The picture and its name record: one operation.
    HandsetSession session(&progress->CancelEvent());
    if (const Msg m = session.Status(); m != Msg::Ok)
        return m;
    progress->ResetPosition();
    progress->SetStatusText(ToId(Msg::SendingImage));
    // The range covers the picture and its name record.
    progress->SetRange(0, HandsetLink::CountDataReports(static_cast<std::uint32_t>(size + imagename::kSize)) *
                              kStepsPerReport);

    RecordTag tag{CLASS_IMAGE, 0, 0};
    const Msg written = WriteImageData(payload, tag);
    payload = {};
    if (written != Msg::Ok)
        return written;
    const auto record = ImageNameRecord(tag, name);
    tag.dataClass = CLASS_IMAGE_NAME;
    return WriteRecord(record, tag);
}
