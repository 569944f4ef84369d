#pragma once

#include "core/picture/ImageHandle.h"

#include <QRect>
#include <QRectF>

#include <memory>

// What the canvas and the preview show: the picture as decoded, where its visible part lies,
// the zoom and the handset-sized frame. The rectangles hold the results of single-precision
// maths, as the fit and the zoom have always been worked out.
struct ImageDisplayState {
    std::unique_ptr<ImageHandle> mainImage;
    QRect canvas;       // only its width and height are used
    QRectF destination;  // (0, 0, W, H)
    QRectF source;      // in main-image pixels; may reach outside the picture
    QRectF base;        // the source right after fitting; zoom scales it
    int zoom = 400;     // 400 is the fitted view; the scale is zoom x 0.0025
    QRect frame;        // in canvas pixels
    int frameXLimit = 0;
    int frameYLimit = 0;
};
