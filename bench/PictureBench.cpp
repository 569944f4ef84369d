// The picture engine on large JPEGs, against baselines measured in the same run: a plain
// QImageReader decode of the same file, and Qt's own smooth scaled drawing of the same
// rectangles. Memory is measured in processes of its own, each starting clean.

#include "core/picture/ImageEditor.h"
#include "core/picture/ImageLoadRequest.h"
#include "core/picture/ImageLoadWorker.h"
#include "core/picture/PictureDecoder.h"

#include "BenchSupport.h"
#include "MedianMs.h"

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

int Load(ImageEditor& editor, const QString& path)
{
    ImageLoadRequest request;
    request.path = path;
    request.canvas = &editor;
    return ImageLoadWorker::Run(request);
}

int RunChildJob(const QString& job, const QString& path)
{
    if (job == QLatin1String("--write-photo")) {
        WritePhoto(path, 10000, 10000);
    } else if (job == QLatin1String("--plain-decode")) {
        QImageReader(path).read();
    } else {
        ImageEditor big;
        Load(big, path);
        QImage view;
        ImageHandle handset;
        big.RenderCanvas(view);
        big.GetHandsetImage(handset);
        big.RotateRight();
        big.ZoomIn();
        big.RenderCanvas(view);
        big.GetHandsetImage(handset);
    }
    PrintPeakMb();
    return 0;
}

// Qt's own drawing of the canvas and the preview with smooth scaling, for comparison.
void QtDraw(const QImage& picture, const QRectF& canvasSource, const QRectF& frameSource, QImage& canvas, QImage& preview)
{
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.fillRect(canvas.rect(), Qt::white);
        p.drawImage(QRectF(canvas.rect()), picture, canvasSource);
    }
    QPainter p(&preview);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(preview.rect(), Qt::white);
    p.drawImage(QRectF(preview.rect()), picture, frameSource);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    PictureDecoder::SetAllocationLimit();
    QImageReader::setAllocationLimit(0);
    if (argc == 3)
        return RunChildJob(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    QTemporaryDir dir;
    const QString path24 = dir.filePath(QStringLiteral("photo24.jpg"));
    const QString path100 = dir.filePath(QStringLiteral("photo100.jpg"));
    WritePhoto(path24, 6000, 4000);

    ImageEditor editor;
    const auto [decode, open] = MedianPairMs(5, [&] { QImageReader(path24).read(); }, [&] { Load(editor, path24); });

    // One interaction step: what changed, then the canvas view and the preview drawn afresh.
    QImage canvas;
    ImageHandle preview;
    const auto render = [&] {
        editor.RenderCanvas(canvas);
        editor.GetHandsetImage(preview);
    };
    int direction = 1;
    const double move = MedianMs(21, [&] {
        direction = -direction;
        editor.MoveFrame(7 * direction, 5 * direction);
        render();
    });
    const double zoom = MedianMs(21, [&] {
        if (editor.State().zoom <= 60)
            editor.ZoomOut();
        else
            editor.ZoomIn();
        render();
    });
    int value = 0;
    const double adjust = MedianMs(21, [&] {
        value = (value + 7) % 100;
        editor.SetBrightnessContrast(value, -value);
        render();
    });
    while (editor.State().zoom != ImageEditor::kZoomFitted)
        editor.State().zoom < ImageEditor::kZoomFitted ? editor.ZoomOut() : editor.ZoomIn();
    const QImage decoded = QImageReader(path24).read();
    QImage qtCanvas(426, 300, QImage::Format_RGB32);
    QImage qtPreview(128, 128, QImage::Format_RGB16);
    const double qtStep = MedianMs(5, [&] { QtDraw(decoded, editor.State().source, editor.PreviewSource(), qtCanvas, qtPreview); });
    const double fitted = MedianMs(11, render);

    std::printf("24-megapixel JPEG (6000 x 4000), medians\n");
    std::printf("  plain QImageReader decode          %8.1f ms\n", decode);
    std::printf("  open to ready (load worker)        %8.1f ms   ratio %.2f (goal <= 1.5)\n", open, open / decode);
    std::printf("  canvas and preview, fitted         %8.2f ms   ratio %.3f of Qt's smooth drawing (%.1f ms)\n",
                fitted, fitted / qtStep, qtStep);
    std::printf("  step: frame move and redraw        %8.2f ms   (goal <= 8 ms)\n", move);
    std::printf("  step: zoom and redraw              %8.2f ms   (goal <= 8 ms)\n", zoom);
    std::printf("  step: adjustment and redraw        %8.2f ms   (goal <= 8 ms)\n", adjust);
    std::fflush(stdout);

    PrintHundredMegapixelPeaks(path100, QStringLiteral("--load-and-draw"), "loaded and drawn", "2");
    return 0;
}
