#include "core/picture/PictureDecoder.h"

#include <QImageReader>
#include <QMimeDatabase>
#include <QTransform>

#include <unistd.h>

#include <algorithm>
#include <climits>

namespace {

constexpr qint64 kMegabyte = 1024 * 1024;

// Held while loaded: the picture at 32 bits, and its reductions (a twelfth of that again: a
// sixteenth for the quarter-size level, a third of that for the halvings below it).
constexpr double kHeldBytesPerPixel = 4.0 + 4.0 / 12.0;

// Leave a fifth of the machine to everything else.
constexpr double kShareOfMemory = 0.8;

}  // namespace

void PictureDecoder::SetAllocationLimit(qint64 memory)
{
    // Whoever set QT_IMAGEIO_MAXALLOC chose a limit on purpose (the fuzzers keep it small).
    if (qEnvironmentVariableIsSet("QT_IMAGEIO_MAXALLOC") || memory <= 0)
        return;
    const double megabytes = static_cast<double>(memory) * kShareOfMemory / static_cast<double>(kMegabyte);
    QImageReader::setAllocationLimit(static_cast<int>(std::min(megabytes, static_cast<double>(INT_MAX))));
}

qint64 PictureDecoder::PhysicalMemory()
{
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    return pages > 0 && pageSize > 0 ? static_cast<qint64>(pages) * pageSize : 0;
}

qint64 PictureDecoder::BytesNeeded(QSize size, QImage::Format decodedFormat)
{
    const double pixels = static_cast<double>(std::max(size.width(), 0)) * std::max(size.height(), 0);
    // A decoder that does not say its format is counted at 64 bits, the widest Qt decodes to.
    const int decodedDepth = decodedFormat == QImage::Format_Invalid ? 64 : QImage::toPixelFormat(decodedFormat).bitsPerPixel();
    // Anything but 32-bit RGB is converted, so both copies exist for a moment.
    const double converting = decodedDepth == 32 ? 0.0 : decodedDepth / 8.0;
    return static_cast<qint64>(std::min(pixels * (kHeldBytesPerPixel + converting), 9.0e18));
}

int PictureDecoder::Decode(QImageReader& reader, QImage& out, qint64 memory, int* quarterTurns)
{
    out = QImage();
    if (quarterTurns)
        *quarterTurns = 0;
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    qint64 needed = 0;
    if (size.isValid()) {
        needed = BytesNeeded(size, reader.imageFormat());
        if (memory > 0 && static_cast<double>(needed) > static_cast<double>(memory) * kShareOfMemory)
            return kTooLarge;
    }
    out = reader.read();
    if (out.isNull() || out.width() <= 0 || out.height() <= 0) {
        out = QImage();
        return kNotAPicture;
    }
    // Qt's order: mirror left to right, flip top to bottom, then a quarter turn clockwise. A flip
    // is a mirror and a half turn, so one in-place mirror and some turns do for all eight.
    const QImageIOHandler::Transformations t = reader.transformation();
    const bool mirror = t.testFlag(QImageIOHandler::TransformationMirror);
    const bool flip = t.testFlag(QImageIOHandler::TransformationFlip);
    const int turns = (flip ? 2 : 0) + (t.testFlag(QImageIOHandler::TransformationRotate90) ? 1 : 0);
    if (mirror != flip)
        out = std::move(out).mirrored(true, false);
    if (quarterTurns) {
        *quarterTurns = turns;
    } else if (turns != 0) {
        out = out.transformed(QTransform().rotate(90.0 * turns));
    }
    return kDecoded;
}

FileFailure PictureDecoder::WhyNot(const QString& path, const QImageReader& reader)
{
    using Cause = FileFailure::Cause;
    switch (reader.error()) {
    case QImageReader::FileNotFoundError:
    case QImageReader::DeviceError: return FileFailure::OfRead(path);
    // A format a decoder knows, whose data it could not read: cut short or spoilt.
    case QImageReader::InvalidDataError: return FileFailure(path, Cause::Damaged);
    default: break;
    }
    // By what the bytes are, not by the name: a HEIC photo renamed .jpg is still a HEIC photo.
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchContent);
    if (type.name().startsWith(QLatin1String("image/"))) {
        const QString format = type.preferredSuffix().isEmpty() ? type.comment() : type.preferredSuffix().toUpper();
        return FileFailure(path, Cause::UnsupportedFormat, FileFailure::Access::Read, format);
    }
    return FileFailure(path, Cause::NotAPicture);
}
