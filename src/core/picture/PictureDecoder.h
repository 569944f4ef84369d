#pragma once

#include "core/common/FileFailure.h"

#include <QImage>

class QImageReader;

// Decodes picture files for the editor, the first frame of multi-frame files.
class PictureDecoder {
public:
    enum Status { kDecoded = 0, kNotAPicture = 1, kTooLarge = 2 };

    // Qt refuses by default any picture above 128 MB, about 32 megapixels, while phone photos
    // of 48 and 108 megapixels are common. Decode() refuses by their size the pictures that
    // cannot fit in `memory`; this lets Qt allocate up to that. Qt's limit is one setting for
    // the whole process, so a program calls this once as it starts, before any decoding.
    static void SetAllocationLimit(qint64 memory = PhysicalMemory());

    // The machine's physical memory in bytes, or 0 when it cannot be told.
    static qint64 PhysicalMemory();

    // Bytes the editor holds for a picture of this size while it is loaded, with what decoding
    // it needs on top.
    static qint64 BytesNeeded(QSize size, QImage::Format decodedFormat);

    // Decodes what `reader` reads into `out`. The size the decoder reports is checked against
    // `memory` (bytes; 0 means no check) before decoding, and a picture that cannot fit is
    // refused, as kTooLarge, without decoding it.
    //
    // Phones and cameras store photos as the sensor saw them and say in the file (the EXIF
    // orientation) how to turn them upright. A mirrored orientation is mirrored here, in place;
    // the quarter turns clockwise still needed are left to the caller in `quarterTurns`, so that
    // a large photo is never copied to turn it. Without `quarterTurns` the picture is turned
    // here.
    static int Decode(QImageReader& reader, QImage& out, qint64 memory = PhysicalMemory(), int* quarterTurns = nullptr);

    // Why the file at `path` did not decode with `reader`: not a picture, a picture in a format
    // no decoder here reads (named), or a picture whose data is damaged.
    static FileFailure WhyNot(const QString& path, const QImageReader& reader);
};
