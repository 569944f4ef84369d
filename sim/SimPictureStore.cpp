#include "sim/SimPictureStore.h"

#include "core/common/AtomicFile.h"
#include "core/common/ByteOrder.h"
#include "core/transfer/RecordLayouts.h"

#include <QDir>
#include <QImage>
#include <QBuffer>

namespace {

using picturepayload::kHeight;
using picturepayload::kPixels;
using picturepayload::kWidth;

}  // namespace

std::size_t SimPictureStore::Add(std::span<const std::uint8_t> payload)
{
    m_pictures.push_back({std::vector<std::uint8_t>(payload.begin(), payload.end()), {}});
    const std::size_t slot = m_pictures.size() - 1;
    SavePng(slot);
    return slot;
}

void SimPictureStore::Name(std::size_t slot, std::string name)
{
    if (slot < m_pictures.size())
        m_pictures[slot].name = std::move(name);
}

void SimPictureStore::SavePng(std::size_t slot) const
{
    const auto& p = m_pictures[slot].payload;
    if (m_folder.empty() || p.size() < kPixels)
        return;
    const int height = p[kHeight];
    const int width = p[kWidth];
    if (width == 0 || height == 0 || p.size() < kPixels + std::size_t(width) * height * 2)
        return;
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint16_t w = GetLe16(p, kPixels + 2 * (std::size_t(y) * width + x));
            const int r = (w >> 11) & 0x1F, g = (w >> 5) & 0x3F, b = w & 0x1F;
            image.setPixel(x, y, qRgb((r << 3) | (r >> 2), (g << 2) | (g >> 4), (b << 3) | (b >> 2)));
        }
    }
    QDir().mkpath(QString::fromStdString(m_folder));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (image.save(&buffer, "PNG"))
        WriteFileAtomically(QString::fromStdString(m_folder) +
                                QStringLiteral("/picture-%1.png").arg(slot + 1, 3, 10, QChar(u'0')),
                            png);
}
