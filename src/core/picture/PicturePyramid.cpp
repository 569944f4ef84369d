#include "core/picture/PicturePyramid.h"

#include <algorithm>
#include <cmath>

namespace {

// Half the width and height, rounded up; each pixel the rounded mean of its 2 x 2 block. Red and
// blue are summed side by side in one word, green in another: four 8-bit values never carry
// out of their 16-bit lane.
QImage Halve(const QImage& src)
{
    const int w = src.width();
    const int h = src.height();
    QImage dst((w + 1) / 2, (h + 1) / 2, QImage::Format_RGB32);
    if (dst.isNull())
        return dst;
    constexpr quint32 kRedBlue = 0x00FF00FF;
    constexpr quint32 kGreen = 0x0000FF00;
    const int pairs = w / 2;
    for (int y = 0; y < dst.height(); ++y) {
        const auto* r0 = reinterpret_cast<const quint32*>(src.constScanLine(2 * y));
        // An odd last row pairs with itself.
        const auto* r1 = 2 * y + 1 < h ? reinterpret_cast<const quint32*>(src.constScanLine(2 * y + 1)) : r0;
        auto* out = reinterpret_cast<quint32*>(dst.scanLine(y));
        for (int x = 0; x < pairs; ++x) {
            const quint32 a = r0[2 * x], b = r0[2 * x + 1], c = r1[2 * x], d = r1[2 * x + 1];
            const quint32 rb = (a & kRedBlue) + (b & kRedBlue) + (c & kRedBlue) + (d & kRedBlue) + 0x00020002;
            const quint32 g = (a & kGreen) + (b & kGreen) + (c & kGreen) + (d & kGreen) + 0x00000200;
            out[x] = 0xFF000000u | ((rb >> 2) & kRedBlue) | ((g >> 2) & kGreen);
        }
        if (w % 2 != 0) {
            const quint32 a = r0[w - 1], c = r1[w - 1];
            const quint32 rb = (a & kRedBlue) + (c & kRedBlue) + 0x00010001;
            const quint32 g = (a & kGreen) + (c & kGreen) + 0x00000100;
            out[pairs] = 0xFF000000u | ((rb >> 1) & kRedBlue) | ((g >> 1) & kGreen);
        }
    }
    return dst;
}

// For each output pixel along one axis: the picture pixels it covers, each weighted by the
// share of the output pixel it fills, and the share that lies outside the picture.
struct Taps {
    std::vector<int> first;     // first picture pixel, per output pixel
    std::vector<int> offset;    // into weights, per output pixel, plus one past the end
    std::vector<float> weights;
    std::vector<float> outside;
};

// `origin` and `step` are in level pixels; the picture covers [0, extent) and has `size` pixels
// (the last one possibly partial).
Taps BuildTaps(double origin, double step, int count, int size, double extent)
{
    Taps taps;
    taps.first.resize(static_cast<std::size_t>(count));
    taps.offset.resize(static_cast<std::size_t>(count) + 1);
    taps.outside.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double a = std::clamp(origin + i * step, -1e9, 1e9);
        const double b = std::clamp(a + step, -1e9, 1e9);
        const int kStart = std::max(static_cast<int>(std::floor(a)), 0);
        const int kEnd = std::min(static_cast<int>(std::ceil(b)), size);
        const auto ui = static_cast<std::size_t>(i);
        taps.first[ui] = kStart;
        taps.offset[ui] = static_cast<int>(taps.weights.size());
        for (int k = kStart; k < kEnd; ++k) {
            const double overlap = std::min({b, k + 1.0, extent}) - std::max(a, static_cast<double>(k));
            taps.weights.push_back(static_cast<float>(std::max(overlap, 0.0) / step));
        }
        const double before = std::max(0.0, std::min(b, 0.0) - a);
        const double after = std::max(0.0, b - std::max(a, extent));
        taps.outside[ui] = static_cast<float>((before + after) / step);
    }
    taps.offset[static_cast<std::size_t>(count)] = static_cast<int>(taps.weights.size());
    return taps;
}

}  // namespace

bool PicturePyramid::Build(const QImage& picture)
{
    m_levels.clear();
    if (picture.isNull() || picture.format() != QImage::Format_RGB32)
        return false;
    m_levels.push_back(picture);
    while (m_levels.back().width() > 1 || m_levels.back().height() > 1) {
        QImage next = Halve(m_levels.back());
        if (next.isNull()) {
            m_levels.clear();
            return false;
        }
        m_levels.push_back(std::move(next));
    }
    return true;
}

void PicturePyramid::Sample(const QRectF& source, int width, int height, QRgb background, const RowSink& sink) const
{
    if (width <= 0 || height <= 0)
        return;
    const float bg[3] = {static_cast<float>(qRed(background)), static_cast<float>(qGreen(background)),
                         static_cast<float>(qBlue(background))};
    std::vector<float> row(static_cast<std::size_t>(width) * 3);
    const double perPixelX = source.width() / width;
    const double perPixelY = source.height() / height;
    if (m_levels.empty() || !(perPixelX > 0) || !(perPixelY > 0) || !std::isfinite(perPixelX) ||
        !std::isfinite(perPixelY) || !std::isfinite(source.x()) || !std::isfinite(source.y())) {
        for (int i = 0; i < width; ++i)
            std::copy(bg, bg + 3, row.begin() + i * 3);
        for (int j = 0; j < height; ++j)
            sink(j, row.data());
        return;
    }

    // The finest level whose pixels are no larger than an output pixel.
    int level = 0;
    const double reduction = std::min(perPixelX, perPixelY);
    while (level + 1 < LevelCount() && std::ldexp(1.0, level + 1) <= reduction)
        ++level;
    const QImage& picture = Level(level);
    const double scale = std::ldexp(1.0, -level);
    const Taps cols = BuildTaps(source.x() * scale, perPixelX * scale, width, picture.width(),
                                m_levels.front().width() * scale);
    const Taps rows = BuildTaps(source.y() * scale, perPixelY * scale, height, picture.height(),
                                m_levels.front().height() * scale);

    // Filter each picture row that any output row needs across, once.
    int rowMin = picture.height(), rowMax = -1;
    for (int j = 0; j < height; ++j) {
        const auto uj = static_cast<std::size_t>(j);
        const int count = rows.offset[uj + 1] - rows.offset[uj];
        if (count > 0) {
            rowMin = std::min(rowMin, rows.first[uj]);
            rowMax = std::max(rowMax, rows.first[uj] + count - 1);
        }
    }
    const std::size_t stride = static_cast<std::size_t>(width) * 3;
    std::vector<float> across(rowMax >= rowMin ? static_cast<std::size_t>(rowMax - rowMin + 1) * stride : 0);
    for (int r = rowMin; r <= rowMax; ++r) {
        const auto* line = reinterpret_cast<const quint32*>(picture.constScanLine(r));
        float* out = across.data() + static_cast<std::size_t>(r - rowMin) * stride;
        for (int i = 0; i < width; ++i) {
            const auto ui = static_cast<std::size_t>(i);
            const float o = cols.outside[ui];
            float red = o * bg[0], green = o * bg[1], blue = o * bg[2];
            const int first = cols.first[ui] - cols.offset[ui];
            for (int t = cols.offset[ui]; t < cols.offset[ui + 1]; ++t) {
                const float w = cols.weights[static_cast<std::size_t>(t)];
                const quint32 p = line[first + t];
                red += w * static_cast<float>((p >> 16) & 0xFF);
                green += w * static_cast<float>((p >> 8) & 0xFF);
                blue += w * static_cast<float>(p & 0xFF);
            }
            out[3 * ui] = red;
            out[3 * ui + 1] = green;
            out[3 * ui + 2] = blue;
        }
    }

    for (int j = 0; j < height; ++j) {
        const auto uj = static_cast<std::size_t>(j);
        const float o = rows.outside[uj];
        for (int i = 0; i < width; ++i)
            for (int c = 0; c < 3; ++c)
                row[static_cast<std::size_t>(3 * i + c)] = o * bg[c];
        for (int t = rows.offset[uj]; t < rows.offset[uj + 1]; ++t) {
            const float w = rows.weights[static_cast<std::size_t>(t)];
            const int r = rows.first[uj] + (t - rows.offset[uj]);
            const float* in = across.data() + static_cast<std::size_t>(r - rowMin) * stride;
            for (std::size_t k = 0; k < stride; ++k)
                row[k] += w * in[k];
        }
        sink(j, row.data());
    }
}
