#include "core/picture/PictureDecoder.h"

#include <QImageReader>

#include <unistd.h>

#include <algorithm>
#include <mutex>

namespace {

// Qt's allocation limit is one setting for the whole process; decodes that change it take turns.
std::mutex s_limitLock;

constexpr qint64 kMegabyte = 1024 * 1024;

// Held while loaded: the picture at 32 bits, and its halvings (a third of that again).
constexpr double kHeldBytesPerPixel = 4.0 + 4.0 / 3.0;

// Restores Qt's allocation limit when the decode ends, however it ends.
class AllocationLimit {
public:
    explicit AllocationLimit(int megabytes) : m_previous(QImageReader::allocationLimit())
    {
        if (m_previous != 0 && megabytes > m_previous)
            QImageReader::setAllocationLimit(megabytes);
    }
    ~AllocationLimit() { QImageReader::setAllocationLimit(m_previous); }
    AllocationLimit(const AllocationLimit&) = delete;
    AllocationLimit& operator=(const AllocationLimit&) = delete;

private:
    int m_previous;
};

}  // namespace

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

int PictureDecoder::Decode(QImageReader& reader, QImage& out, qint64 memory)
{
    out = QImage();
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    qint64 needed = 0;
    if (size.isValid()) {
        needed = BytesNeeded(size, reader.imageFormat());
        // Leave a fifth of the machine to everything else.
        if (memory > 0 && static_cast<double>(needed) > static_cast<double>(memory) * 0.8)
            return kTooLarge;
    }
    {
        const std::lock_guard lock(s_limitLock);
        const AllocationLimit limit(static_cast<int>(std::min<qint64>(needed / kMegabyte + 1, 1 << 30)));
        out = reader.read();
    }
    if (out.isNull() || out.width() <= 0 || out.height() <= 0) {
        out = QImage();
        return kNotAPicture;
    }
    return kDecoded;
}
