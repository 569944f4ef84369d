#pragma once

#include "core/picture/ImageDisplayState.h"

#include <QPoint>
#include <QSize>

// How far the picture shown is turned from the picture held, in quarter turns clockwise.
// Turning a picture of 100 megapixels would need a second copy of it; instead the picture stays
// as decoded and every drawing maps its rectangle back to the held picture and its pixels
// forward onto the turned output. Quarter turns map rectangles onto rectangles, so area
// averaging is unaffected.
class QuarterTurns {
public:
    void TurnRight() { m_turns = (m_turns + 1) % 4; }
    void TurnLeft() { m_turns = (m_turns + 3) % 4; }
    void Reset() { m_turns = 0; }
    void Set(int turns) { m_turns = ((turns % 4) + 4) % 4; }
    int Count() const { return m_turns; }
    bool SwapsSides() const { return m_turns % 2 != 0; }

    // The size of a held picture, or of a grid, as shown after turning (or back again).
    QSize Turned(QSize size) const { return SwapsSides() ? size.transposed() : size; }

    // The rectangle of the held picture (of size `held`) that lies under rectangle `r` of the
    // turned picture.
    QRectF ToHeld(const QRectF& r, QSize held) const
    {
        const auto W = static_cast<float>(held.width());
        const auto H = static_cast<float>(held.height());
        const auto x = static_cast<float>(r.x()), y = static_cast<float>(r.y());
        const auto w = static_cast<float>(r.width()), h = static_cast<float>(r.height());
        switch (m_turns) {
        case 1: return QRectF(y, H - x - w, h, w);
        case 2: return QRectF(W - x - w, H - y - h, w, h);
        case 3: return QRectF(W - y - h, x, h, w);
        default: return r;
        }
    }

    // Where pixel (x, y) of a grid drawn the held way round lands in the turned grid of size `out`.
    QPoint ToTurned(int x, int y, QSize out) const
    {
        switch (m_turns) {
        case 1: return {out.width() - 1 - y, x};
        case 2: return {out.width() - 1 - x, out.height() - 1 - y};
        case 3: return {y, out.height() - 1 - x};
        default: return {x, y};
        }
    }

private:
    int m_turns = 0;
};
