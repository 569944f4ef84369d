#pragma once

#include <QString>

class ImageHandle;

// Writes a picture as the BMP file other programs open: 16 bits per pixel, BI_BITFIELDS with
// the masks 0xF800, 0x07E0 and 0x001F, rows bottom-up, each padded to 4 bytes. The file is
// replaced whole or not at all, and `error`, when given, gets the system's reason for a failure.
// Qt has no writer for this format, hence the program's own.
bool WriteBmp565(const QString& path, ImageHandle& picture, QString* error = nullptr);

// The index of the picture writer for a MIME type, or -1: the program writes "image/bmp" only.
int FindImageEncoder(const QString& mimeType);
