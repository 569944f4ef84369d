#include "core/picture/PicturePyramid.h"

#include <algorithm>
#include <cmath>
#include <system_error>
#include <thread>

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

// A quarter of the width and height, rounded up; each pixel the rounded mean of the 4 x 4
// block it covers, or of what there is of it at the right and bottom edges. Sixteen 8-bit values
// still fit a 16-bit lane, so red and blue again share one word. Rows [rowBegin, rowEnd) of
// `dst` only, so that two threads can share the work.
void QuarterRows(const QImage& src, QImage& dst, int rowBegin, int rowEnd)
{
    const int w = src.width();
    const int h = src.height();
    constexpr quint32 kRedBlue = 0x00FF00FF;
    constexpr quint32 kGreen = 0x0000FF00;
    for (int y = rowBegin; y < rowEnd; ++y) {
        const int y0 = 4 * y;
        const int rows = std::min(4, h - y0);
        const quint32* in[4];
        for (int r = 0; r < rows; ++r)
            in[r] = reinterpret_cast<const quint32*>(src.constScanLine(y0 + r));
        auto* out = reinterpret_cast<quint32*>(dst.scanLine(y));
        const int whole = w / 4;
        for (int x = 0; x < whole; ++x) {
            quint32 rb = 0, g = 0;
            for (int r = 0; r < rows; ++r) {
                const quint32* p = in[r] + 4 * x;
                rb += (p[0] & kRedBlue) + (p[1] & kRedBlue) + (p[2] & kRedBlue) + (p[3] & kRedBlue);
                g += (p[0] & kGreen) + (p[1] & kGreen) + (p[2] & kGreen) + (p[3] & kGreen);
            }
            if (rows == 4) {
                out[x] = 0xFF000000u | (((rb + 0x00080008) >> 4) & kRedBlue) | (((g + 0x00000800) >> 4) & kGreen);
                continue;
            }
            const quint32 n = static_cast<quint32>(4 * rows);
            out[x] = qRgb(static_cast<int>(((rb >> 16) + n / 2) / n), static_cast<int>(((g >> 8) + n / 2) / n),
                          static_cast<int>(((rb & 0xFFFF) + n / 2) / n));
        }
        if (w % 4 != 0) {
            const int cols = w % 4;
            quint32 rb = 0, g = 0;
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < cols; ++c) {
                    rb += in[r][4 * whole + c] & kRedBlue;
                    g += in[r][4 * whole + c] & kGreen;
                }
            const quint32 n = static_cast<quint32>(cols * rows);
            out[whole] = qRgb(static_cast<int>(((rb >> 16) + n / 2) / n), static_cast<int>(((g >> 8) + n / 2) / n),
                              static_cast<int>(((rb & 0xFFFF) + n / 2) / n));
        }
    }
}

// The quarter-size picture, the lower half of it made on a second thread while this one makes
// the upper half: on a large photo this is most of the work after decoding.
QImage Quarter(const QImage& src)
{
    QImage dst((src.width() + 3) / 4, (src.height() + 3) / 4, QImage::Format_RGB32);
    if (dst.isNull())
        return dst;
    const int split = dst.height() / 2;
    constexpr qint64 kWorthAThread = 1 << 20;  // source pixels
    std::thread lower;
    if (static_cast<qint64>(src.width()) * src.height() >= kWorthAThread) {
        try {
            lower = std::thread(QuarterRows, std::cref(src), std::ref(dst), split, dst.height());
        } catch (const std::system_error&) {
        }
    }
    QuarterRows(src, dst, 0, lower.joinable() ? split : dst.height());
    if (lower.joinable())
        lower.join();
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
    Clear();
    if (picture.isNull() || picture.format() != QImage::Format_RGB32)
        return false;
    m_levels.push_back(picture);
    m_shifts.push_back(0);
    while (m_levels.back().width() > 1 || m_levels.back().height() > 1) {
        // No half-size level: it would hold a quarter of the picture's memory again, and the
        // full-size picture serves reductions below four nearly as fast.
        const bool first = m_levels.size() == 1;
        QImage next = first ? Quarter(m_levels.back()) : Halve(m_levels.back());
        if (next.isNull()) {
            Clear();
            return false;
        }
        m_shifts.push_back(m_shifts.back() + (first ? 2 : 1));
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
    while (level + 1 < LevelCount() && std::ldexp(1.0, Shift(level + 1)) <= reduction)
        ++level;
    const QImage& picture = Level(level);
    const double scale = std::ldexp(1.0, -Shift(level));
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
