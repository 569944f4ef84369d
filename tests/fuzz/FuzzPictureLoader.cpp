// Broken picture files: whatever the decoders make of them, loading and rendering the handset
// picture either works or leaves nothing loaded, and never crashes.

#include "image/ImageEditor.h"

#include <QByteArray>
#include <QImage>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QImage image = QImage::fromData(QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                                  static_cast<qsizetype>(size)));
    // Keep each run small: the decoders' own limits allow pictures of 128 MB.
    if (!image.isNull() && static_cast<qint64>(image.width()) * image.height() > 4096 * 4096)
        return 0;
    ImageEditor editor;
    const int status = editor.LoadImage(image);
    if ((status == ImageEditor::kLoaded) != editor.HasImage())
        __builtin_trap();
    ImageHandle handset;
    if (editor.GetHandsetImage(handset) != editor.HasImage())
        __builtin_trap();
    return 0;
}
