#pragma once

#include "core/picture/ImageHandle.h"

#include <QRect>

#include <memory>

// A rectangle in single-precision floats, as the picture maths is done.
struct RectF {
    float x = 0, y = 0, width = 0, height = 0;
    friend bool operator==(const RectF&, const RectF&) = default;
};

// What the canvas and the preview show: the picture as decoded, where its visible part lies,
// the zoom and the handset-sized frame.
struct ImageDisplayState {
    std::unique_ptr<ImageHandle> mainImage;
    QRect canvas;       // only its width and height are used
    RectF destination;  // (0, 0, W, H)
    RectF source;       // in main-image pixels; may reach outside the picture
    RectF base;         // the source right after fitting; zoom scales it
    int zoom = 400;     // 400 is the fitted view; the scale is zoom x 0.0025
    QRect frame;        // in canvas pixels
    int frameXLimit = 0;
    int frameYLimit = 0;
};
