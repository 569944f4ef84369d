#include "core/picture/ImageHandle.h"

ImageHandle ImageHandle::Rgb565(int width, int height)
{
    return ImageHandle(QImage(width, height, QImage::Format_RGB16));
}
