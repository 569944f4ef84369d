#include "core/picture/Rgb565.h"

#include "core/picture/ImageHandle.h"

#include "core/common/ByteOrder.h"

namespace {

constexpr int kNoPixels = 1;
constexpr int kBufferTooSmall = 2;

}  // namespace

int ConvertToRgb565(ImageHandle& picture, std::span<std::uint8_t> bytes)
{
    const int height = picture.Height();
    const int width = picture.Width();
    if (height <= 0 || width <= 0)
        return kNoPixels;
    if (bytes.size() < static_cast<std::size_t>(width) * height * 2) {
        picture.Record(kBufferTooSmall);
        return kBufferTooSmall;
    }
    const QImage rgb = picture.Image().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < width; ++x)
            PutLe16(bytes, 2 * (static_cast<std::size_t>(y) * width + x), ToRgb565(line[x]));
    }
    return 0;
}
