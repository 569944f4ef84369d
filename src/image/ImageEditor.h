#pragma once

#include "ColorMatrix.h"
#include "ImageDisplayState.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

// The picture engine behind the image page: one picture, fitted to the canvas, with its zoom,
// its handset-sized frame, its rotation and its colour adjustments, and the 128 x 128 handset
// picture made from all of that. The canvas and preview widgets are views over it.
class ImageEditor {
public:
    static constexpr int kZoomFitted = 400;
    static constexpr int kZoomStep = 20;

    enum LoadStatus { kLoaded = 0, kNotAPicture = 1, kTooLarge = 2 };

    explicit ImageEditor(QSize canvas = {426, 300}, int handsetSize = 128, QRgb background = 0xFFFFFFFF);

    // Frame of w x h centred in the canvas; the limits follow from the sizes.
    void SetFrame(int w, int h);
    void CentreFrame();

    // Decodes a picture file and fits it. `decoded` is called right after decoding, whether
    // that worked or not (the page's progress bar steps on it). A failure leaves nothing loaded.
    int LoadImageFile(const QString& path, const std::function<void()>& decoded = {});
    // The same from a picture already in memory.
    int LoadImage(const QImage& image);
    bool HasImage() const { return m_state.mainImage != nullptr; }
    void ReleaseImage();

    void FitToCanvas();
    void ZoomIn();
    void ZoomOut();
    // Moves the frame as a drag step would, stopping at the canvas edges.
    void MoveFrame(int dx, int dy);
    // Puts the frame at (x, y), clamped to its limits.
    void PlaceFrame(int x, int y);
    void UpdateFrameSource();
    void RotateLeft();
    void RotateRight();

    void SetBrightnessContrast(int brightness, int contrast);
    void SetColorBalance(int red, int green, int blue);

    // The handset picture: the framed part of the preview copy, adjusted, handset-sized, in
    // RGB 5-6-5. Area-averaged where the picture is reduced, so it does not alias. False when
    // nothing is loaded.
    bool GetHandsetImage(ImageHandle& out) const;

    const ImageDisplayState& State() const { return m_state; }
    const RectF& PreviewSource() const { return m_previewSource; }
    const QImage& PreviewCopy() const { return m_preview; }

private:
    void ApplyZoom();

    ImageDisplayState m_state;
    int m_handsetSize;
    QRgb m_background;
    QImage m_preview;  // the picture reduced to 5-6-5 once, at load, on the background colour
    RectF m_previewSource;
    int m_brightness = 0, m_contrast = 0, m_red = 0, m_green = 0, m_blue = 0;
};
