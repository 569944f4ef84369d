// Broken picture files: whatever the decoders make of them, the loader either loads the picture
// or leaves nothing loaded, and drawing never crashes or reads outside the picture.

#include "core/picture/ImageEditor.h"
#include "core/picture/PictureDecoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <cstddef>
#include <cstdint>

namespace {

// Keeps each run small: a machine of 64 MB refuses, from the header, what would not fit.
constexpr qint64 kFuzzMemory = 64 * 1024 * 1024;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QImage image;
    const int decoded = PictureDecoder::Decode(reader, image, kFuzzMemory);
    if ((decoded == PictureDecoder::kDecoded) == image.isNull())
        __builtin_trap();
    // A decoder that could not tell the size beforehand is bounded by Qt's own limit instead.
    ImageEditor editor;
    const int status = editor.LoadImage(std::move(image));
    if ((status == ImageEditor::kLoaded) != editor.HasImage())
        __builtin_trap();
    ImageHandle handset;
    if (editor.GetHandsetImage(handset) != editor.HasImage())
        __builtin_trap();
    if (!editor.HasImage())
        return 0;
    editor.RotateRight();
    editor.ZoomOut();
    editor.MoveFrame(-40, 25);
    QImage canvas;
    editor.RenderCanvas(canvas);
    if (!editor.GetHandsetImage(handset) || handset.Width() != 128 || canvas.size() != QSize(426, 300))
        __builtin_trap();
    return 0;
}
