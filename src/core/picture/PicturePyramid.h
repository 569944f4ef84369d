#pragma once

#include "core/picture/ImageDisplayState.h"

#include <QImage>

#include <functional>
#include <vector>

// The picture and its successive halvings, built once at load, so that drawing any part of it
// at any size reads a handful of pixels per output pixel and still averages the whole area
// each output pixel covers. Sampling a reduced picture at single points aliases visibly; the
// halvings make area averaging cheap at every zoom.
//
// Level 0 shares the pixels of the picture it is built from (no copy). Level 1 is a quarter of
// its width and height, and each further level half of the one before, rounded up; each pixel is
// the mean of the block it covers, and a partial block at an edge averages what there is. So
// the levels add a twelfth to the picture's memory, not a third.
class PicturePyramid {
public:
    // One output row: 3 x width floats, red, green, blue interleaved, each 0 ... 255.
    using RowSink = std::function<void(int y, const float* rgb)>;

    // `picture` must be opaque RGB32. False, and empty, when memory for a level runs out.
    bool Build(const QImage& picture);
    void Clear()
    {
        m_levels.clear();
        m_shifts.clear();
    }
    bool IsEmpty() const { return m_levels.empty(); }
    int LevelCount() const { return static_cast<int>(m_levels.size()); }
    const QImage& Level(int i) const { return m_levels[static_cast<std::size_t>(i)]; }
    // A pixel of level i covers 2^Shift(i) picture pixels each way.
    int Shift(int i) const { return m_shifts[static_cast<std::size_t>(i)]; }

    // Draws `source` (in level-0 pixels; it may reach outside the picture, where `background`
    // shows) onto a width x height grid. Each grid pixel is the mean of the area it covers,
    // read from the finest level whose pixels are no larger than a grid pixel, with partly
    // covered pixels weighted by their share. A grid pixel that covers exactly one picture
    // pixel gets exactly that pixel's value.
    void Sample(const QRectF& source, int width, int height, QRgb background, const RowSink& sink) const;

private:
    std::vector<QImage> m_levels;
    std::vector<int> m_shifts;
};
