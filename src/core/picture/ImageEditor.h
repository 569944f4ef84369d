#pragma once

#include "core/picture/ColorMatrix.h"
#include "core/picture/ImageDisplayState.h"
#include "core/picture/PicturePyramid.h"
#include "core/picture/QuarterTurns.h"

#include <QImage>
#include <QSize>
#include <QString>

struct ImageLoadRequest;

// The picture engine behind the image page: one picture, fitted to the canvas, with its zoom,
// its handset-sized frame, its rotation and its colour adjustments, and the 128 x 128 handset
// picture made from all of that. The canvas and preview widgets are views over it.
class ImageEditor {
public:
    static constexpr int kZoomFitted = 400;
    static constexpr int kZoomStep = 20;
    static constexpr int kHandsetSize = 128;

    enum LoadStatus { kLoaded = 0, kNotAPicture = 1, kTooLarge = 2 };

    explicit ImageEditor(QSize canvas = {426, 300}, int handsetSize = kHandsetSize, QRgb background = 0xFFFFFFFF);

    // Frame of w x h centred in the canvas; the limits follow from the sizes.
    void SetFrame(int w, int h);
    void CentreFrame();

    // Decodes the request's file and fits it; run by the load worker (ImageLoadWorker). The
    // request's progress display steps once right after decoding, whether that worked or not.
    // Returns kLoaded, or the failing step's status with nothing loaded.
    int LoadImageFile(ImageLoadRequest& request);
    // The same from a picture already in memory, which is first turned clockwise by
    // `quarterTurns` to stand upright (see PictureDecoder).
    int LoadImage(QImage image, int quarterTurns = 0);
    bool HasImage() const { return m_state.mainImage != nullptr; }
    void ReleaseImage();
    // The file-name part of the last load, for the default save name.
    const QString& PictureName() const { return m_pictureName; }
    // The picture's size as shown, that is after any rotation.
    QSize PictureSize() const;

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
    int Brightness() const { return m_brightness; }
    int Contrast() const { return m_contrast; }
    int Red() const { return m_red; }
    int Green() const { return m_green; }
    int Blue() const { return m_blue; }

    // The canvas view: the visible part of the picture, unadjusted, on the background colour,
    // W x H in RGB32 (the frame is the canvas widget's to draw). Background only when nothing
    // is loaded.
    void RenderCanvas(QImage& target) const;

    // The handset picture: the framed part of the picture, adjusted, handset-sized, reduced to
    // RGB 5-6-5 by truncation. It is also what the preview shows. False when nothing is loaded.
    bool GetHandsetImage(ImageHandle& out) const;

    const ImageDisplayState& State() const { return m_state; }
    const QRectF& PreviewSource() const { return m_previewSource; }
    QRgb Background() const { return m_background; }

private:
    void ApplyZoom();
    // Draws the part `shown` of the picture as shown onto an `out`-sized grid; `put` receives each
    // grid pixel's position and its red, green and blue means (0 ... 255 as floats).
    template <typename Put>
    void Draw(const QRectF& shown, QSize out, Put&& put) const;

    ImageDisplayState m_state;
    int m_handsetSize;
    QRgb m_background;
    QString m_pictureName;
    // The preview copy: the main image flattened onto the background colour, with its halvings.
    // Level 0 is the main image itself, which is already opaque, so the two share their pixels.
    PicturePyramid m_preview;
    QuarterTurns m_turns;
    QRectF m_previewSource;
    int m_brightness = 0, m_contrast = 0, m_red = 0, m_green = 0, m_blue = 0;
};
