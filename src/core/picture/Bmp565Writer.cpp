#include "core/picture/Bmp565Writer.h"

#include "core/picture/ImageHandle.h"
#include "core/picture/Rgb565.h"

#include "core/common/AtomicFile.h"
#include "core/common/ByteOrder.h"

#include <QByteArray>

#include <span>

namespace {

// File header (14 bytes): [0..1] "BM"  [2..5] file size  [6..9] zero  [10..13] pixel offset
// Info header (40 bytes): [14] size 40  [18] width  [22] height (positive: bottom-up)
//   [26] planes 1  [28] bits 16  [30] compression 3  [34] image size  [38] [42] pixels per metre
//   [46] colours used  [50] important colours
// Masks (12 bytes): [54] red  [58] green  [62] blue;  pixels from [66]
constexpr std::size_t kFileSize = 2;
constexpr std::size_t kPixelOffset = 10;
constexpr std::size_t kInfoSize = 14;
constexpr std::size_t kWidth = 18;
constexpr std::size_t kHeight = 22;
constexpr std::size_t kPlanes = 26;
constexpr std::size_t kBitCount = 28;
constexpr std::size_t kCompression = 30;
constexpr std::size_t kImageSize = 34;
constexpr std::size_t kXPelsPerMeter = 38;
constexpr std::size_t kYPelsPerMeter = 42;
constexpr std::size_t kRedMask = 54;
constexpr std::size_t kGreenMask = 58;
constexpr std::size_t kBlueMask = 62;
constexpr std::size_t kPixels = 66;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kPelsPerMeter = 2835;  // 72 dots per inch

}  // namespace

bool WriteBmp565(const QString& path, ImageHandle& picture, QString* error)
{
    const int width = picture.Width();
    const int height = picture.Height();
    if (width <= 0 || height <= 0)
        return false;
    const std::size_t stride = (static_cast<std::size_t>(width) * 2 + 3) & ~std::size_t{3};
    const std::size_t imageSize = stride * static_cast<std::size_t>(height);
    QByteArray file(static_cast<qsizetype>(kPixels + imageSize), '\0');
    const std::span<std::uint8_t> b(reinterpret_cast<std::uint8_t*>(file.data()), static_cast<std::size_t>(file.size()));
    b[0] = 'B';
    b[1] = 'M';
    PutLe32(b, kFileSize, static_cast<std::uint32_t>(b.size()));
    PutLe32(b, kPixelOffset, kPixels);
    PutLe32(b, kInfoSize, 40);
    PutLe32(b, kWidth, static_cast<std::uint32_t>(width));
    PutLe32(b, kHeight, static_cast<std::uint32_t>(height));
    PutLe16(b, kPlanes, 1);
    PutLe16(b, kBitCount, 16);
    PutLe32(b, kCompression, kBiBitfields);
    PutLe32(b, kImageSize, static_cast<std::uint32_t>(imageSize));
    PutLe32(b, kXPelsPerMeter, kPelsPerMeter);
    PutLe32(b, kYPelsPerMeter, kPelsPerMeter);
    PutLe32(b, kRedMask, 0xF800);
    PutLe32(b, kGreenMask, 0x07E0);
    PutLe32(b, kBlueMask, 0x001F);

    std::vector<std::uint8_t> words(static_cast<std::size_t>(width) * height * 2);
    if (ConvertToRgb565(picture, words) != 0)
        return false;
    for (int y = 0; y < height; ++y) {
        // The bottom row comes first.
        const std::size_t row = kPixels + stride * static_cast<std::size_t>(height - 1 - y);
        std::copy_n(words.begin() + static_cast<std::ptrdiff_t>(y) * width * 2, width * 2, b.begin() + row);
    }
    return WriteFileAtomically(path, file, error);
}

int FindImageEncoder(const QString& mimeType)
{
    return mimeType == QStringLiteral("image/bmp") ? 0 : -1;
}
