#include "core/picture/ImageEditor.h"

#include "core/picture/DecodeWarnings.h"
#include "core/picture/ImageLoadRequest.h"
#include "core/picture/PictureDecoder.h"
#include "core/picture/Rgb565.h"

#include "core/common/ProgressDisplay.h"

#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

namespace {

constexpr int kZoomMin = 2 * ImageEditor::kZoomStep;  // 40
constexpr int kZoomMax = 4800;
constexpr float kZoomScale = 0.0025f;

// The picture as opaque RGB32 on the background colour, so that transparent parts show white.
// In place where the picture already has 32 bits per pixel. False when memory runs out.
bool Flatten(QImage& image, QRgb background)
{
    if (image.format() == QImage::Format_RGB32)
        return true;
    if (!image.hasAlphaChannel()) {
        image.convertTo(QImage::Format_RGB32);
        return !image.isNull();
    }
    if (image.format() != QImage::Format_ARGB32 && image.format() != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(QImage::Format_ARGB32);
    if (image.isNull())
        return false;
    const bool premultiplied = image.format() == QImage::Format_ARGB32_Premultiplied;
    const int bg[3] = {qRed(background), qGreen(background), qBlue(background)};
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            const int a = qAlpha(p);
            if (a == 255)
                continue;
            const int c[3] = {qRed(p), qGreen(p), qBlue(p)};
            int out[3];
            for (int i = 0; i < 3; ++i) {
                const int colour = premultiplied ? c[i] * 255 : c[i] * a;
                out[i] = (colour + bg[i] * (255 - a) + 127) / 255;
            }
            line[x] = qRgb(out[0], out[1], out[2]);
        }
    }
    image.reinterpretAsFormat(QImage::Format_RGB32);
    return true;
}

}  // namespace

ImageEditor::ImageEditor(QSize canvas, int handsetSize, QRgb background)
    : m_handsetSize(handsetSize), m_background(background)
{
    m_state.canvas = QRect(QPoint(0, 0), canvas);
    SetFrame(handsetSize, handsetSize);
}

void ImageEditor::SetFrame(int w, int h)
{
    const int W = m_state.canvas.width();
    const int H = m_state.canvas.height();
    m_state.frame = QRect(W / 2 - w / 2, H / 2 - h / 2, w, h);
    // A frame larger than the canvas stays at its top-left corner.
    m_state.frameXLimit = std::max(W - w, 0);
    m_state.frameYLimit = std::max(H - h, 0);
}

void ImageEditor::CentreFrame()
{
    const int W = m_state.canvas.width();
    const int H = m_state.canvas.height();
    m_state.frame.moveTo(W / 2 - m_state.frame.width() / 2, H / 2 - m_state.frame.height() / 2);
}

void ImageEditor::ReleaseImage()
{
    m_state.mainImage.reset();
    m_preview.Clear();
    m_turns.Reset();
    m_brightness = m_contrast = m_red = m_green = m_blue = 0;
}

int ImageEditor::LoadImageFile(ImageLoadRequest& request)
{
    m_pictureName = request.name;
    ReleaseImage();
    CentreFrame();
    request.failure = FileFailure();
    using Cause = FileFailure::Cause;
    // A folder, a missing, unreadable or empty file is told as such, not as a picture that failed.
    const QFileInfo info(request.path);
    if (!info.isFile() || !info.isReadable() || info.size() == 0) {
        request.failure = FileFailure::OfRead(request.path);
        if (request.notify)
            request.notify->PostStep();
        return kNotAPicture;
    }
    QImageReader reader(request.path);
    QImage image;
    int quarterTurns = 0;
    int decoded = PictureDecoder::kNotAPicture;
    bool damaged = false;
    {
        const DecodeWarnings warnings;
        decoded = PictureDecoder::Decode(reader, image, PictureDecoder::PhysicalMemory(), &quarterTurns);
        damaged = warnings.Damaged();
    }
    if (request.notify)
        request.notify->PostStep();
    if (decoded != PictureDecoder::kDecoded) {
        request.failure = decoded == PictureDecoder::kTooLarge ? FileFailure(request.path, Cause::TooLarge)
                                                               : PictureDecoder::WhyNot(request.path, reader);
        return decoded == PictureDecoder::kTooLarge ? kTooLarge : kNotAPicture;
    }
    const int loaded = LoadImage(std::move(image), quarterTurns);
    if (loaded == kTooLarge)
        request.failure = FileFailure(request.path, Cause::TooLarge);
    else if (loaded == kLoaded && damaged)
        request.failure = FileFailure(request.path, Cause::PictureDamaged);
    return loaded;
}

int ImageEditor::LoadImage(QImage image, int quarterTurns)
{
    ReleaseImage();
    CentreFrame();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return kNotAPicture;
    if (!Flatten(image, m_background))
        return kTooLarge;
    m_state.mainImage = std::make_unique<ImageHandle>(image);
    // The upright picture is the one fitted; the user's turns then leave the fit alone.
    m_turns.Set(quarterTurns);
    FitToCanvas();
    m_state.base = m_state.source;
    if (!m_preview.Build(image)) {
        ReleaseImage();
        return kTooLarge;
    }
    UpdateFrameSource();
    return kLoaded;
}

QSize ImageEditor::PictureSize() const
{
    return HasImage() ? m_turns.Turned(m_state.mainImage->Image().size()) : QSize();
}

void ImageEditor::FitToCanvas()
{
    const float cw = static_cast<float>(m_state.canvas.width());
    const float ch = static_cast<float>(m_state.canvas.height());
    const QSize shown = PictureSize();
    const float iw = static_cast<float>(shown.width());
    const float ih = static_cast<float>(shown.height());
    m_state.destination = QRectF(0, 0, cw, ch);
    float x = 0, y = 0, width = iw, height = ih;
    m_state.zoom = kZoomFitted;
    const auto fitWidth = [&] {
        const float scale = cw / iw;
        height = ih + (ch - ih * scale) * (1.0f / scale);
        y = -(height - ih) * 0.5f;
    };
    const auto fitHeight = [&] {
        const float scale = ch / ih;
        width = iw + (cw - iw * scale) * (1.0f / scale);
        x = -(width - iw) * 0.5f;
    };
    if (iw <= cw && ih <= ch) {
        x = -(cw - iw) * 0.5f;
        y = -(ch - ih) * 0.5f;
        width = (cw / iw) * iw;
        height = (ch / ih) * ih;
    } else if (iw > cw && ih <= ch) {
        fitWidth();
    } else if (iw <= cw && ih > ch) {
        fitHeight();
    } else if ((ih - ch) < (iw - cw)) {
        fitWidth();
    } else {
        fitHeight();
    }
    m_state.source = QRectF(x, y, width, height);
}

void ImageEditor::ZoomIn()
{
    if (!HasImage() || m_state.zoom <= kZoomMin)
        return;
    m_state.zoom -= m_state.zoom <= kZoomFitted ? kZoomStep : 3 * kZoomStep;
    ApplyZoom();
}

void ImageEditor::ZoomOut()
{
    if (!HasImage() || m_state.zoom >= kZoomMax)
        return;
    m_state.zoom += m_state.zoom >= kZoomFitted ? 3 * kZoomStep : kZoomStep;
    ApplyZoom();
}

void ImageEditor::ApplyZoom()
{
    const QRectF& s = m_state.source;
    const auto oldWidth = static_cast<float>(s.width()), oldHeight = static_cast<float>(s.height());
    const auto oldY = static_cast<float>(s.y());
    const float scale = static_cast<float>(m_state.zoom) * kZoomScale;
    const float newWidth = scale * static_cast<float>(m_state.base.width());
    const float newHeight = scale * static_cast<float>(m_state.base.height());
    float x = static_cast<float>(s.x()) + (oldWidth - newWidth) * 0.5f;
    float y = oldY + (oldHeight - newHeight) * 0.5f;
    // Keep the picture point under the frame's centre where it was.
    const int W = m_state.canvas.width();
    const int H = m_state.canvas.height();
    const QRect& f = m_state.frame;
    const int dx = f.x() + f.width() / 2 - W / 2;
    const int dy = f.y() + f.height() / 2 - H / 2;
    x += (static_cast<float>(dx) / (static_cast<float>(W) * 0.5f)) * (oldWidth * 0.5f - newWidth * 0.5f);
    y += (static_cast<float>(dy) / (static_cast<float>(H) * 0.5f)) * (y - oldY);
    m_state.source = QRectF(x, y, newWidth, newHeight);
    UpdateFrameSource();
}

void ImageEditor::MoveFrame(int dx, int dy)
{
    if (!HasImage())
        return;
    PlaceFrame(m_state.frame.x() + dx, m_state.frame.y() + dy);
}

void ImageEditor::PlaceFrame(int x, int y)
{
    x = std::min(std::max(x, 0), m_state.frameXLimit);
    y = std::min(std::max(y, 0), m_state.frameYLimit);
    m_state.frame.moveTo(x, y);
    UpdateFrameSource();
}

void ImageEditor::UpdateFrameSource()
{
    const QRectF& s = m_state.source;
    const float sx = static_cast<float>(s.width()) / static_cast<float>(m_state.canvas.width());
    const float sy = static_cast<float>(s.height()) / static_cast<float>(m_state.canvas.height());
    const QRect& f = m_state.frame;
    m_previewSource = QRectF(static_cast<float>(f.x()) * sx + static_cast<float>(s.x()),
                             static_cast<float>(f.y()) * sy + static_cast<float>(s.y()),
                             static_cast<float>(f.width()) * sx, static_cast<float>(f.height()) * sy);
}

// The rectangles and the zoom stay as they are, so a picture that is not square shows another
// part of itself after turning, with background where it no longer reaches.
void ImageEditor::RotateLeft()
{
    if (HasImage())
        m_turns.TurnLeft();
}

void ImageEditor::RotateRight()
{
    if (HasImage())
        m_turns.TurnRight();
}

void ImageEditor::SetBrightnessContrast(int brightness, int contrast)
{
    m_brightness = brightness;
    m_contrast = contrast;
}

void ImageEditor::SetColorBalance(int red, int green, int blue)
{
    m_red = red;
    m_green = green;
    m_blue = blue;
}

template <typename Put>
void ImageEditor::Draw(const QRectF& shown, QSize out, Put&& put) const
{
    const QRectF held = m_turns.ToHeld(shown, m_state.mainImage->Image().size());
    const QSize grid = m_turns.Turned(out);
    m_preview.Sample(held, grid.width(), grid.height(), m_background, [&](int y, const float* rgb) {
        for (int x = 0; x < grid.width(); ++x)
            put(m_turns.ToTurned(x, y, out), rgb + 3 * x);
    });
}

void ImageEditor::RenderCanvas(QImage& target) const
{
    const QSize size = m_state.canvas.size();
    if (target.size() != size || target.format() != QImage::Format_RGB32)
        target = QImage(size, QImage::Format_RGB32);
    if (target.isNull())
        return;
    if (!HasImage()) {
        target.fill(m_background);
        return;
    }
    uchar* bits = target.bits();
    const qsizetype stride = target.bytesPerLine();
    Draw(m_state.source, size, [&](QPoint p, const float* c) {
        const auto channel = [](float v) { return static_cast<int>(std::clamp(v + 0.5f, 0.0f, 255.0f)); };
        reinterpret_cast<QRgb*>(bits + p.y() * stride)[p.x()] = qRgb(channel(c[0]), channel(c[1]), channel(c[2]));
    });
}

bool ImageEditor::GetHandsetImage(ImageHandle& out) const
{
    if (!HasImage() || m_preview.IsEmpty())
        return false;
    ImageHandle result = ImageHandle::Rgb565(m_handsetSize, m_handsetSize);
    if (result.Image().isNull())
        return false;
    const ColorMatrix m = BuildColorMatrix(m_brightness, m_contrast, m_red, m_green, m_blue);
    float gain[3], offset[3];
    for (int c = 0; c < 3; ++c) {
        gain[c] = m[static_cast<std::size_t>(c)][static_cast<std::size_t>(c)];
        offset[c] = m[4][static_cast<std::size_t>(c)] * 255.0f;
    }
    uchar* bits = result.Image().bits();
    const qsizetype stride = result.Image().bytesPerLine();
    Draw(m_previewSource, result.Image().size(), [&](QPoint p, const float* c) {
        // The small allowance keeps a value that is whole in exact arithmetic from truncating
        // one below it through float rounding.
        const auto channel = [&](int i) {
            return static_cast<int>(std::clamp(gain[i] * c[i] + offset[i] + 1e-3f, 0.0f, 255.0f));
        };
        reinterpret_cast<quint16*>(bits + p.y() * stride)[p.x()] = ToRgb565(qRgb(channel(0), channel(1), channel(2)));
    });
    out = std::move(result);
    return true;
}
