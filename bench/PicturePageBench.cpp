// The picture page as a person uses it, through its widgets on the offscreen platform: opening
// a 24-megapixel JPEG, a frame drag step, a slider step in each adjustment dialog, and the peak
// memory with a 100-megapixel JPEG open. Times are medians; the open is a ratio to a plain
// QImageReader decode of the same file in the same run, the steps are against their goal.

#include "gui/picture/BrightnessContrastDialog.h"
#include "gui/picture/ColorBalanceDialog.h"
#include "gui/picture/HandsetPreview.h"
#include "gui/picture/PictureCanvas.h"
#include "gui/picture/PicturePage.h"
#include "gui/shell/StatusBar.h"

#include "core/picture/PictureDecoder.h"

#include "BenchSupport.h"
#include "MedianMs.h"

#include <QApplication>
#include <QImageReader>
#include <QMouseEvent>
#include <QSlider>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

std::unique_ptr<PicturePage> ShowPage()
{
    auto page = std::make_unique<PicturePage>();
    page->resize(638, 435 + StatusBar::PaneHeight());
    page->SetUpUi();
    page->show();
    QCoreApplication::processEvents();
    return page;
}

// Opens the picture and waits until the canvas and the preview have painted it.
bool OpenAndShow(PicturePage& page, const QString& path)
{
    if (!page.OpenFile(path))
        return false;
    page.Canvas()->repaint();
    page.Preview()->repaint();
    return !page.Preview()->Shown().isNull();
}

void Mouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// One slider step in `dialog`: the value moves, and the preview paints the result.
double SliderStep(AdjustmentDialog& dialog, int sliderId, HandsetPreview* preview)
{
    dialog.show();
    QSlider* slider = dialog.Slider(sliderId);
    int value = 0;
    const double ms = MedianMs(31, [&] {
        value = value >= 90 ? -90 : value + 7;
        slider->setValue(value);
        preview->repaint();
    });
    dialog.reject();
    return ms;
}

int RunChildJob(const QString& job, const QString& path)
{
    if (job == QLatin1String("--write-photo")) {
        WritePhoto(path, 10000, 10000);
    } else if (job == QLatin1String("--plain-decode")) {
        QImageReader(path).read();
    } else {
        auto page = ShowPage();
        if (!OpenAndShow(*page, path))
            return 1;
        page->Canvas()->ZoomIn();
        page->Canvas()->RotateRight();
        page->Canvas()->repaint();
        page->Preview()->repaint();
    }
    PrintPeakMb();
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PictureDecoder::SetAllocationLimit();
    if (argc == 3)
        return RunChildJob(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));

    QTemporaryDir dir;
    const QString path24 = dir.filePath(QStringLiteral("photo24.jpg"));
    const QString path100 = dir.filePath(QStringLiteral("photo100.jpg"));
    WritePhoto(path24, 6000, 4000);

    auto page = ShowPage();
    bool shown = true;
    const auto [decode, open] = MedianPairMs(
        7, [&] { QImageReader(path24).read(); }, [&] { shown = OpenAndShow(*page, path24) && shown; });
    if (!shown) {
        std::fprintf(stderr, "bench_picture_page: the page did not show the picture\n");
        return 1;
    }

    // A drag step: the mouse moves, the canvas repaints the frame's band, the preview repaints.
    PictureCanvas* canvas = page->Canvas();
    QPoint mouse = canvas->Editor().State().frame.center();
    Mouse(canvas, QEvent::MouseButtonPress, mouse, Qt::LeftButton);
    int direction = 1;
    const double drag = MedianMs(61, [&] {
        direction = -direction;
        mouse += QPoint(9 * direction, 6 * direction);
        Mouse(canvas, QEvent::MouseMove, mouse, Qt::LeftButton);
        canvas->repaint();
        page->Preview()->repaint();
    });
    Mouse(canvas, QEvent::MouseButtonRelease, mouse, Qt::NoButton);

    double brightness = 0, red = 0;
    {
        BrightnessContrastDialog light(0, 0, page->Preview(), page.get());
        brightness = SliderStep(light, BrightnessContrastDialog::kBrightnessSlider, page->Preview());
        ColorBalanceDialog colour(0, 0, 0, page->Preview(), page.get());
        red = SliderStep(colour, ColorBalanceDialog::kRedSlider, page->Preview());
    }

    std::printf("The picture page, offscreen, 24-megapixel JPEG (6000 x 4000), medians\n");
    std::printf("  plain QImageReader decode          %8.1f ms\n", decode);
    std::printf("  Open to the picture shown          %8.1f ms   ratio %.2f (goal <= 1.2)\n", open, open / decode);
    std::printf("  frame drag step                    %8.2f ms   (goal <= 8 ms)\n", drag);
    std::printf("  brightness slider step             %8.2f ms   (goal <= 8 ms)\n", brightness);
    std::printf("  colour slider step                 %8.2f ms   (goal <= 8 ms)\n", red);
    std::fflush(stdout);
    page.reset();

    PrintHundredMegapixelPeaks(path100, QStringLiteral("--open-in-page"), "open in the page", "1.25");
    return 0;
}
