#include "ImageEditor.h"

#include "Rgb565.h"

#include <QImageReader>
#include <QPainter>
#include <QTransform>

#include <unistd.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kZoomMin = 2 * ImageEditor::kZoomStep;  // 40
constexpr int kZoomMax = 4800;
constexpr float kZoomScale = 0.0025f;

// Whether a picture of this size, decoded at 32 bits with a 16-bit copy beside it, fits in
// the machine's memory.
bool FitsInMemory(QSize size)
{
    const double bytes = static_cast<double>(size.width()) * size.height() * (4 + 2);
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    return pages <= 0 || pageSize <= 0 || bytes < static_cast<double>(pages) * pageSize * 0.8;
}

// 5 bits to 8 and 6 bits to 8 by bit replication, so a 5-6-5 value reads back exactly.
inline int Expand5(int v) { return (v << 3) | (v >> 2); }
inline int Expand6(int v) { return (v << 2) | (v >> 4); }

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
    m_state.frameXLimit = W - w;
    m_state.frameYLimit = H - h;
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
    m_preview = QImage();
    m_brightness = m_contrast = m_red = m_green = m_blue = 0;
}

int ImageEditor::LoadImageFile(const QString& path, const std::function<void()>& decoded)
{
    ReleaseImage();
    CentreFrame();
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (size.isValid() && !FitsInMemory(size)) {
        if (decoded)
            decoded();
        return kTooLarge;
    }
    // Qt refuses pictures above 128 MB by default; phone photos of 100 megapixels are common,
    // and what fits in memory is checked above.
    const int previousLimit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(0);
    QImage image = reader.read();
    QImageReader::setAllocationLimit(previousLimit);
    if (decoded)
        decoded();
    if (image.isNull())
        return kNotAPicture;
    return LoadImage(image);
}

int ImageEditor::LoadImage(const QImage& image)
{
    ReleaseImage();
    CentreFrame();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return kNotAPicture;
    m_state.mainImage = std::make_unique<ImageHandle>(image);
    FitToCanvas();
    m_state.base = m_state.source;

    // The preview copy: the picture on the background colour (transparency becomes white),
    // reduced to 5-6-5 once.
    QImage copy(image.size(), QImage::Format_RGB16);
    if (copy.isNull()) {
        ReleaseImage();
        return kTooLarge;
    }
    copy.fill(QColor::fromRgba(m_background));
    {
        QPainter p(&copy);
        p.drawImage(0, 0, image);
    }
    m_preview = std::move(copy);
    UpdateFrameSource();
    return kLoaded;
}

void ImageEditor::FitToCanvas()
{
    const float cw = static_cast<float>(m_state.canvas.width());
    const float ch = static_cast<float>(m_state.canvas.height());
    const float iw = static_cast<float>(m_state.mainImage->Width());
    const float ih = static_cast<float>(m_state.mainImage->Height());
    m_state.destination = {0, 0, cw, ch};
    RectF s{0, 0, iw, ih};
    m_state.zoom = kZoomFitted;
    const auto fitWidth = [&] {
        const float scale = cw / iw;
        s.height = ih + (ch - ih * scale) * (1.0f / scale);
        s.y = -(s.height - ih) * 0.5f;
    };
    const auto fitHeight = [&] {
        const float scale = ch / ih;
        s.width = iw + (cw - iw * scale) * (1.0f / scale);
        s.x = -(s.width - iw) * 0.5f;
    };
    if (iw <= cw && ih <= ch) {
        s.x = -(cw - iw) * 0.5f;
        s.y = -(ch - ih) * 0.5f;
        s.width = (cw / iw) * iw;
        s.height = (ch / ih) * ih;
    } else if (iw > cw && ih <= ch) {
        fitWidth();
    } else if (iw <= cw && ih > ch) {
        fitHeight();
    } else if ((ih - ch) < (iw - cw)) {
        fitWidth();
    } else {
        fitHeight();
    }
    m_state.source = s;
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
    RectF& s = m_state.source;
    const float oldWidth = s.width, oldHeight = s.height, oldY = s.y;
    const float scale = static_cast<float>(m_state.zoom) * kZoomScale;
    const float newWidth = scale * m_state.base.width;
    const float newHeight = scale * m_state.base.height;
    s.x += (oldWidth - newWidth) * 0.5f;
    s.y += (oldHeight - newHeight) * 0.5f;
    s.width = newWidth;
    s.height = newHeight;
    // Keep the picture point under the frame's centre where it was.
    const int W = m_state.canvas.width();
    const int H = m_state.canvas.height();
    const QRect& f = m_state.frame;
    const int dx = f.x() + f.width() / 2 - W / 2;
    const int dy = f.y() + f.height() / 2 - H / 2;
    s.x += (static_cast<float>(dx) / (static_cast<float>(W) * 0.5f)) * (oldWidth * 0.5f - newWidth * 0.5f);
    s.y += (static_cast<float>(dy) / (static_cast<float>(H) * 0.5f)) * (s.y - oldY);
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
    const RectF& s = m_state.source;
    const float sx = s.width / static_cast<float>(m_state.canvas.width());
    const float sy = s.height / static_cast<float>(m_state.canvas.height());
    const QRect& f = m_state.frame;
    m_previewSource = {static_cast<float>(f.x()) * sx + s.x, static_cast<float>(f.y()) * sy + s.y,
                       static_cast<float>(f.width()) * sx, static_cast<float>(f.height()) * sy};
}

void ImageEditor::RotateLeft()
{
    if (!HasImage())
        return;
    const QTransform t = QTransform().rotate(-90);
    m_state.mainImage->Image() = m_state.mainImage->Image().transformed(t);
    m_preview = m_preview.transformed(t);
}

void ImageEditor::RotateRight()
{
    if (!HasImage())
        return;
    const QTransform t = QTransform().rotate(90);
    m_state.mainImage->Image() = m_state.mainImage->Image().transformed(t);
    m_preview = m_preview.transformed(t);
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

bool ImageEditor::GetHandsetImage(ImageHandle& out) const
{
    if (m_preview.isNull())
        return false;
    const int size = m_handsetSize;
    QImage result(size, size, QImage::Format_RGB16);
    if (result.isNull())
        return false;
    const ColorMatrix m = BuildColorMatrix(m_brightness, m_contrast, m_red, m_green, m_blue);
    const int iw = m_preview.width();
    const int ih = m_preview.height();
    const RectF& src = m_previewSource;
    const double stepX = static_cast<double>(src.width) / size;
    const double stepY = static_cast<double>(src.height) / size;
    const int bgR = qRed(m_background), bgG = qGreen(m_background), bgB = qBlue(m_background);

    for (int j = 0; j < size; ++j) {
        const double y0 = src.y + j * stepY;
        const double y1 = y0 + stepY;
        // Every picture row the output pixel covers; at least the one under its centre.
        int ya = static_cast<int>(std::floor(y0 + 1e-6));
        int yb = static_cast<int>(std::ceil(y1 - 1e-6));
        if (yb <= ya) {
            ya = static_cast<int>(std::floor((y0 + y1) * 0.5));
            yb = ya + 1;
        }
        auto* line = reinterpret_cast<quint16*>(result.scanLine(j));
        for (int i = 0; i < size; ++i) {
            const double x0 = src.x + i * stepX;
            const double x1 = x0 + stepX;
            int xa = static_cast<int>(std::floor(x0 + 1e-6));
            int xb = static_cast<int>(std::ceil(x1 - 1e-6));
            if (xb <= xa) {
                xa = static_cast<int>(std::floor((x0 + x1) * 0.5));
                xb = xa + 1;
            }
            long sumR = 0, sumG = 0, sumB = 0, n = 0;
            for (int y = ya; y < yb; ++y) {
                const bool rowInside = y >= 0 && y < ih;
                const auto* row = rowInside ? reinterpret_cast<const quint16*>(m_preview.constScanLine(y)) : nullptr;
                for (int x = xa; x < xb; ++x) {
                    // Outside the picture the background colour shows (the clamp colour).
                    if (rowInside && x >= 0 && x < iw) {
                        const quint16 w = row[x];
                        sumR += Expand5(w >> 11);
                        sumG += Expand6((w >> 5) & 0x3F);
                        sumB += Expand5(w & 0x1F);
                    } else {
                        sumR += bgR;
                        sumG += bgG;
                        sumB += bgB;
                    }
                    ++n;
                }
            }
            const auto channel = [&](long sum, int c) {
                const double v = static_cast<double>(sum) / n;
                const double adjusted = m[c][c] * v + m[4][c] * 255.0;
                return static_cast<int>(std::clamp(adjusted + 1e-9, 0.0, 255.0));
            };
            line[i] = ToRgb565(qRgb(channel(sumR, 0), channel(sumG, 1), channel(sumB, 2)));
        }
    }
    out = ImageHandle(std::move(result));
    return true;
}
