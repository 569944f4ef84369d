// The picture engine: fitting, zoom, frame, rotation, adjustments and the handset picture.

#include "core/picture/ColorMatrix.h"
#include "core/picture/ImageEditor.h"
#include "core/picture/ImageLoadRequest.h"
#include "core/picture/ImageLoadWorker.h"
#include "core/picture/PictureDecoder.h"
#include "core/picture/Rgb565.h"

#include "support/RecordingProgress.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTransform>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

namespace {

QImage Solid(int w, int h, QRgb c = qRgb(10, 200, 30))
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(c);
    return image;
}

quint16 Word(const ImageHandle& h, int x, int y)
{
    return reinterpret_cast<const quint16*>(h.Image().constScanLine(y))[x];
}

// The fit computes (cw / iw) x iw in single precision, which may land an ulp off cw.
void ExpectRect(const QRectF& r, QRectF expected)
{
    EXPECT_NEAR(r.x(), expected.x(), 1e-3);
    EXPECT_NEAR(r.y(), expected.y(), 1e-3);
    EXPECT_NEAR(r.width(), expected.width(), 1e-3);
    EXPECT_NEAR(r.height(), expected.height(), 1e-3);
}

TEST(FitToCanvas, SmallPicturesShowOneToOneCentred)
{
    ImageEditor e;
    ASSERT_EQ(e.LoadImage(Solid(100, 80)), ImageEditor::kLoaded);
    ExpectRect(e.State().source, {-163, -110, 426, 300});
    EXPECT_EQ(e.State().base, e.State().source);
    EXPECT_EQ(e.State().zoom, 400);
    ASSERT_EQ(e.LoadImage(Solid(426, 200)), ImageEditor::kLoaded);
    ExpectRect(e.State().source, {0, -50, 426, 300});
}

TEST(FitToCanvas, LargePicturesFitTheLargerExcess)
{
    ImageEditor e;
    ASSERT_EQ(e.LoadImage(Solid(900, 700)), ImageEditor::kLoaded);
    const QRectF s = e.State().source;
    EXPECT_EQ(s.x(), 0);
    EXPECT_EQ(s.width(), 900);
    EXPECT_NEAR(s.height(), 633.8, 0.05);
    EXPECT_NEAR(s.y(), 33.1, 0.05);
    ASSERT_EQ(e.LoadImage(Solid(500, 900)), ImageEditor::kLoaded);  // height excess 600 > 74
    EXPECT_EQ(e.State().source.y(), 0);
    EXPECT_EQ(e.State().source.height(), 900);
    ASSERT_EQ(e.LoadImage(Solid(200, 400)), ImageEditor::kLoaded);  // only the height is larger
    EXPECT_EQ(e.State().source.height(), 400);
    EXPECT_GT(e.State().source.width(), 200);
}

TEST(Frame, StartsCentredAndStopsAtItsLimits)
{
    ImageEditor e;
    EXPECT_EQ(e.State().frame, QRect(149, 86, 128, 128));
    EXPECT_EQ(e.State().frameXLimit, 298);
    EXPECT_EQ(e.State().frameYLimit, 172);
    e.MoveFrame(500, 500);
    EXPECT_EQ(e.State().frame.topLeft(), QPoint(149, 86)) << "no picture, no drag";
    ASSERT_EQ(e.LoadImage(Solid(900, 700)), ImageEditor::kLoaded);
    e.MoveFrame(500, 500);
    EXPECT_EQ(e.State().frame.topLeft(), QPoint(298, 172));
    e.MoveFrame(-1000, -5);
    EXPECT_EQ(e.State().frame.topLeft(), QPoint(0, 167));
    e.PlaceFrame(-4, 999);
    EXPECT_EQ(e.State().frame.topLeft(), QPoint(0, 172));
}

TEST(Zoom, TheLadderAndBack)
{
    ImageEditor e;
    ASSERT_EQ(e.LoadImage(Solid(900, 700)), ImageEditor::kLoaded);
    std::vector<int> in;
    for (int i = 0; i < 30; ++i) {
        e.ZoomIn();
        in.push_back(e.State().zoom);
    }
    EXPECT_EQ(in.front(), 380);
    EXPECT_EQ(in[17], 40);
    EXPECT_EQ(in.back(), 40);
    for (int i = 0; i < 18; ++i)
        e.ZoomOut();
    EXPECT_EQ(e.State().zoom, 400);
    std::vector<int> out;
    for (int i = 0; i < 100; ++i) {
        e.ZoomOut();
        out.push_back(e.State().zoom);
    }
    EXPECT_EQ(out.front(), 460);
    EXPECT_EQ(out.back(), 4840);
    for (int i = 0; i < 74; ++i)
        e.ZoomIn();
    EXPECT_EQ(e.State().zoom, 400);
    EXPECT_NEAR(e.State().source.width(), e.State().base.width(), 0.01);
}

TEST(Zoom, KeepsThePointUnderTheFrameCentre)
{
    ImageEditor e;
    ASSERT_EQ(e.LoadImage(Solid(3000, 2000)), ImageEditor::kLoaded);
    e.MoveFrame(-100, 40);
    const auto centre = [&] {
        const QRectF p = e.PreviewSource();
        return std::pair(p.x() + p.width() / 2, p.y() + p.height() / 2);
    };
    const auto before = centre();
    for (int i = 0; i < 5; ++i)
        e.ZoomIn();
    EXPECT_NEAR(centre().first, before.first, 1.0);
    EXPECT_NEAR(centre().second, before.second, 1.0);
    for (int i = 0; i < 7; ++i)
        e.ZoomOut();
    EXPECT_NEAR(centre().first, before.first, 2.0);
    EXPECT_NEAR(centre().second, before.second, 2.0);
}

TEST(ColorMatrix, BrightnessAndContrastPivotAboutMidGrey)
{
    const ColorMatrix neutral = BuildColorMatrix(0, 0, 0, 0, 0);
    EXPECT_FLOAT_EQ(neutral[0][0], 1.0f);
    EXPECT_FLOAT_EQ(neutral[4][0], 0.0f);
    const ColorMatrix bright = BuildColorMatrix(100, 0, 0, 0, 0);
    EXPECT_NEAR(bright[4][1], 100.0f / 255.0f, 1e-6);
    const ColorMatrix flat = BuildColorMatrix(0, -100, 0, 0, 0);
    EXPECT_FLOAT_EQ(flat[0][0], 0.0f);
    EXPECT_FLOAT_EQ(flat[4][2], 0.5f);
    const ColorMatrix strong = BuildColorMatrix(0, 100, 0, 0, 0);
    EXPECT_FLOAT_EQ(strong[1][1], 4.0f);
    EXPECT_FLOAT_EQ(strong[4][0], -1.5f);
    const ColorMatrix red = BuildColorMatrix(0, 0, 51, 0, 0);
    EXPECT_NEAR(red[4][0], 0.2f, 1e-6);
    EXPECT_FLOAT_EQ(red[3][3], 1.0f);
    EXPECT_FLOAT_EQ(red[4][4], 1.0f);
}

TEST(HandsetImage, OneToOneIsThePixelsTruncated)
{
    QImage image(128, 128, QImage::Format_RGB32);
    std::mt19937 random(7);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            image.setPixel(x, y, random() | 0xFF000000u);
    ImageEditor e;
    ASSERT_EQ(e.LoadImage(image), ImageEditor::kLoaded);
    ImageHandle out;
    ASSERT_TRUE(e.GetHandsetImage(out));
    ASSERT_EQ(out.Image().size(), QSize(128, 128));
    ASSERT_EQ(out.Image().format(), QImage::Format_RGB16);
    for (int y = 0; y < 128; ++y) {
        const auto* words = reinterpret_cast<const quint16*>(out.Image().constScanLine(y));
        for (int x = 0; x < 128; ++x)
            ASSERT_EQ(words[x], ToRgb565(image.pixel(x, y))) << x << "," << y;
    }
}

TEST(HandsetImage, TransparencyAndOutsideAreWhiteAndAdjustmentsApply)
{
    QImage clear(64, 64, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    ImageEditor e;
    ASSERT_EQ(e.LoadImage(clear), ImageEditor::kLoaded);
    ImageHandle out;
    ASSERT_TRUE(e.GetHandsetImage(out));
    // The picture sits in the middle of the frame; around it the background shows. All white.
    for (QPoint p : {QPoint(0, 0), QPoint(64, 64), QPoint(127, 127)})
        EXPECT_EQ(reinterpret_cast<const quint16*>(out.Image().constScanLine(p.y()))[p.x()], 0xFFFF);

    // Half-transparent red lies on white as pink, however Qt stores the alpha.
    QImage half(64, 64, QImage::Format_ARGB32);
    half.fill(qRgba(255, 0, 0, 128));
    for (const QImage& picture : {half, half.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                                  half.convertToFormat(QImage::Format_RGBA8888)}) {
        ASSERT_EQ(e.LoadImage(picture), ImageEditor::kLoaded);
        ASSERT_TRUE(e.GetHandsetImage(out));
        EXPECT_EQ(Word(out, 64, 64), ToRgb565(qRgb(255, 127, 127))) << picture.format();
    }

    e.SetBrightnessContrast(0, -100);
    ASSERT_TRUE(e.GetHandsetImage(out));
    EXPECT_EQ(reinterpret_cast<const quint16*>(out.Image().constScanLine(5))[5], ToRgb565(qRgb(127, 127, 127)));
    // A new picture starts with neutral adjustments.
    ASSERT_EQ(e.LoadImage(Solid(64, 64, qRgb(255, 0, 0))), ImageEditor::kLoaded);
    ASSERT_TRUE(e.GetHandsetImage(out));
    EXPECT_EQ(reinterpret_cast<const quint16*>(out.Image().constScanLine(64))[64], 0xF800);
}

TEST(HandsetImage, ReducedPicturesAreAreaAveraged)
{
    // One-pixel stripes of black and white average to grey instead of aliasing.
    QImage stripes(1280, 1280, QImage::Format_RGB32);
    for (int y = 0; y < 1280; ++y)
        for (int x = 0; x < 1280; ++x)
            stripes.setPixel(x, y, (x % 2) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    ImageEditor e;
    ASSERT_EQ(e.LoadImage(stripes), ImageEditor::kLoaded);
    ImageHandle out;
    ASSERT_TRUE(e.GetHandsetImage(out));
    const quint16 w = reinterpret_cast<const quint16*>(out.Image().constScanLine(64))[64];
    const int red = (w >> 11) << 3;
    EXPECT_NEAR(red, 127, 8);
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

// Runs a load the way the page does: on the worker, with a progress display to step.
int LoadOnWorker(ImageEditor& e, const QString& path, RecordingProgress& progress)
{
    ImageLoadRequest request;
    request.path = path;
    request.name = QFileInfo(path).fileName();
    request.notify = &progress;
    request.canvas = &e;
    const int result = ImageLoadWorker::Run(request);
    EXPECT_TRUE(request.done.IsSet());
    return result;
}

TEST(LoadImageFile, ANonPictureLeavesNothingLoadedAndStillNotifies)
{
    QTemporaryDir dir;
    const QString path = WriteFile(dir, QStringLiteral("notes.jpg"), "this is not a picture");
    ImageEditor e;
    ASSERT_EQ(e.LoadImage(Solid(10, 10)), ImageEditor::kLoaded);
    e.MoveFrame(-20, -20);
    RecordingProgress progress;
    EXPECT_EQ(LoadOnWorker(e, path, progress), ImageEditor::kNotAPicture);
    EXPECT_EQ(progress.steps, 1);
    EXPECT_FALSE(e.HasImage());
    EXPECT_EQ(e.State().frame.topLeft(), QPoint(149, 86)) << "every load centres the frame";
    ImageHandle out;
    EXPECT_FALSE(e.GetHandsetImage(out));
    EXPECT_EQ(LoadOnWorker(e, dir.filePath(QStringLiteral("missing.png")), progress), ImageEditor::kNotAPicture);
    EXPECT_EQ(progress.steps, 2);

    const QString png = dir.filePath(QStringLiteral("beach.png"));
    ASSERT_TRUE(Solid(300, 200).save(png));
    EXPECT_EQ(LoadOnWorker(e, png, progress), ImageEditor::kLoaded);
    EXPECT_EQ(progress.steps, 3);
    EXPECT_EQ(e.PictureName(), QStringLiteral("beach.png"));
    e.RotateRight();
    EXPECT_EQ(e.PictureSize(), QSize(200, 300));
    e.RotateLeft();
    EXPECT_EQ(e.PictureSize(), QSize(300, 200));
}

TEST(LoadImageFile, LiftsQtsLimitForPicturesThatFitAndRefusesThoseThatCannot)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("big.png"));
    ASSERT_TRUE(Solid(1200, 1000).save(png));
    // A 1 MB limit stands in for Qt's 128 MB: this picture is above it. The limit set at
    // start-up for a machine of 10 MB lets it through; no decode changes it again.
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1);
    ImageEditor e;
    RecordingProgress progress;
    EXPECT_EQ(LoadOnWorker(e, png, progress), ImageEditor::kNotAPicture);
    PictureDecoder::SetAllocationLimit(10 * 1024 * 1024);
    EXPECT_EQ(QImageReader::allocationLimit(), 8);
    EXPECT_EQ(LoadOnWorker(e, png, progress), ImageEditor::kLoaded);
    EXPECT_EQ(QImageReader::allocationLimit(), 8);
    QImageReader::setAllocationLimit(limit);

    // A PNG whose header claims 20000 x 20000 pixels and that holds no pixels: refused from its
    // header alone on a machine of 1 GB, before any pixel memory is asked for.
    QByteArray header = QByteArray::fromHex("89504e470d0a1a0a0000000d49484452");
    header += QByteArray::fromHex("00004e2000004e2008020000006c12d16e");
    header += QByteArray::fromHex("0000000049444154" "35af061e");  // an empty IDAT
    QBuffer buffer(&header);
    QImageReader reader(&buffer);
    QImage image;
    EXPECT_EQ(PictureDecoder::Decode(reader, image, qint64(1) << 30), PictureDecoder::kTooLarge);
    EXPECT_TRUE(image.isNull());
    EXPECT_EQ(PictureDecoder::BytesNeeded({10000, 10000}, QImage::Format_RGB32), qint64(10000) * 10000 * 13 / 3);
}

// A picture unlike itself under every turn, so a wrong turn shows.
QImage Noise(int w, int h, unsigned seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    std::mt19937 random(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, random() | 0xFF000000u);
    return image;
}

TEST(Rotation, TurnsWhatIsShownAndSentButNotTheRectangles)
{
    const QImage picture = Noise(128, 128, 11);
    ImageEditor e;
    ASSERT_EQ(e.LoadImage(picture), ImageEditor::kLoaded);
    const QRectF source = e.State().source;
    for (int turns = 1; turns <= 4; ++turns) {
        e.RotateRight();
        const QImage turned = picture.transformed(QTransform().rotate(90.0 * turns));
        ImageHandle out;
        ASSERT_TRUE(e.GetHandsetImage(out));
        for (int y = 0; y < 128; y += 7)
            for (int x = 0; x < 128; x += 5)
                ASSERT_EQ(Word(out, x, y), ToRgb565(turned.pixel(x, y))) << turns << ": " << x << "," << y;
    }
    e.RotateLeft();
    ImageHandle out;
    ASSERT_TRUE(e.GetHandsetImage(out));
    EXPECT_EQ(Word(out, 0, 0), ToRgb565(picture.transformed(QTransform().rotate(-90)).pixel(0, 0)));
    EXPECT_EQ(e.State().source, source);
    EXPECT_EQ(e.State().zoom, 400);

    // A picture that is not square turns about the same canvas rectangle: 100 x 80 sits 1:1 at
    // (163, 110); turned, its 80 x 100 reaches down to row 210 from the same corner.
    const QImage wide = Noise(100, 80, 12);
    ASSERT_EQ(e.LoadImage(wide), ImageEditor::kLoaded);
    e.RotateRight();
    QImage canvas;
    e.RenderCanvas(canvas);
    const QImage turned = wide.transformed(QTransform().rotate(90));
    EXPECT_EQ(canvas.pixel(163, 110), turned.pixel(0, 0));
    EXPECT_EQ(canvas.pixel(163 + 79, 110 + 99), turned.pixel(79, 99));
    EXPECT_EQ(canvas.pixel(163 + 85, 110 + 50), qRgb(255, 255, 255)) << "no picture there any more";
}

TEST(Canvas, ShowsSmallPicturesOneToOneOnTheBackground)
{
    const QImage picture = Noise(100, 80, 13);
    ImageEditor e;
    QImage canvas;
    e.RenderCanvas(canvas);
    EXPECT_EQ(canvas.size(), QSize(426, 300));
    EXPECT_EQ(canvas.pixel(200, 150), qRgb(255, 255, 255));
    ASSERT_EQ(e.LoadImage(picture), ImageEditor::kLoaded);
    e.RenderCanvas(canvas);
    for (int y = 0; y < 80; y += 3)
        for (int x = 0; x < 100; x += 3)
            ASSERT_EQ(canvas.pixel(163 + x, 110 + y), picture.pixel(x, y)) << x << "," << y;
    EXPECT_EQ(canvas.pixel(162, 110), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(163, 190), qRgb(255, 255, 255));
    // Adjustments belong to the handset picture only.
    e.SetBrightnessContrast(80, 50);
    QImage again;
    e.RenderCanvas(again);
    EXPECT_EQ(again, canvas);
}

TEST(Canvas, ReducedPicturesOfOddSizesKeepTheirEdges)
{
    // 1001 x 999 fits its height: 300.6 canvas pixels wide, from x = 62.7 to 363.3. Halving odd
    // sizes must neither smear the colour past that edge nor let the background in before it.
    const QRgb colour = qRgb(40, 90, 200);
    ImageEditor e;
    ASSERT_EQ(e.LoadImage(Solid(1001, 999, colour)), ImageEditor::kLoaded);
    QImage canvas;
    for (int zoomSteps = 0; zoomSteps < 2; ++zoomSteps) {
        e.RenderCanvas(canvas);
        const int left = zoomSteps == 0 ? 64 : 155;
        for (int y = 95; y < 205; y += 11) {  // rows the picture covers at both zooms
            EXPECT_EQ(canvas.pixel(2, y), qRgb(255, 255, 255));
            EXPECT_EQ(canvas.pixel(left, y), colour) << y;
            EXPECT_EQ(canvas.pixel(426 - left, y), colour) << y;
            EXPECT_EQ(canvas.pixel(423, y), qRgb(255, 255, 255));
        }
        ImageHandle out;
        ASSERT_TRUE(e.GetHandsetImage(out));
        for (int i = 9; i < 120; i += 9)
            ASSERT_EQ(Word(out, i, 127 - i), ToRgb565(colour)) << i;
        for (int i = 0; i < 10; ++i)
            e.ZoomOut();  // zoom 1000: 120 x 120 canvas pixels, from (152.9, 90)
    }
}

// The mean of the picture over a rectangle, each pixel weighted by how much of it lies inside,
// white outside: the reduction an ideal filter makes.
std::array<double, 3> AreaMean(const QImage& p, double x0, double y0, double w, double h)
{
    std::array<double, 3> sum{};
    double total = 0;
    for (int y = static_cast<int>(std::floor(y0)); y < std::ceil(y0 + h); ++y) {
        const double wy = std::min(y + 1.0, y0 + h) - std::max<double>(y, y0);
        for (int x = static_cast<int>(std::floor(x0)); x < std::ceil(x0 + w); ++x) {
            const double wx = std::min(x + 1.0, x0 + w) - std::max<double>(x, x0);
            const QRgb c = (x >= 0 && y >= 0 && x < p.width() && y < p.height()) ? p.pixel(x, y) : qRgb(255, 255, 255);
            sum[0] += wx * wy * qRed(c);
            sum[1] += wx * wy * qGreen(c);
            sum[2] += wx * wy * qBlue(c);
            total += wx * wy;
        }
    }
    for (double& v : sum)
        v /= total;
    return sum;
}

// Photo-like: smooth shading with fine detail that aliases when sampled at points.
QImage Photo(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgb((x * 255 / w) ^ ((x + y) & 15), (y * 255 / h) ^ ((x * 7) & 31), (x ^ y) & 0xFF);
    }
    return image;
}

TEST(HandsetImage, MatchesAnAreaAveragedReferenceAtTheFittedZoomAndWhenMoved)
{
    const QImage photo = Photo(2400, 1700);
    ImageEditor e;
    ASSERT_EQ(e.LoadImage(photo), ImageEditor::kLoaded);
    for (const QPoint move : {QPoint(0, 0), QPoint(-131, 57)}) {
        e.MoveFrame(move.x(), move.y());
        ImageHandle out;
        ASSERT_TRUE(e.GetHandsetImage(out));
        const QRectF s = e.PreviewSource();
        const double step = s.width() / 128.0;
        double error[3] = {};
        for (int y = 0; y < 128; ++y) {
            for (int x = 0; x < 128; ++x) {
                const auto mean = AreaMean(photo, s.x() + x * step, s.y() + y * step, step, step);
                const quint16 expected = ToRgb565(qRgb(int(mean[0]), int(mean[1]), int(mean[2])));
                const quint16 got = Word(out, x, y);
                error[0] += std::abs(int(got >> 11) - int(expected >> 11)) * 8;
                error[1] += std::abs(int((got >> 5) & 63) - int((expected >> 5) & 63)) * 4;
                error[2] += std::abs(int(got & 31) - int(expected & 31)) * 8;
            }
        }
        for (double channelError : error)
            EXPECT_LE(channelError / (128 * 128), 3.0) << "frame moved by " << move.x() << "," << move.y();
    }
}

}  // namespace

namespace {

// The largest difference of any channel of any pixel.
int MaxDifference(const QImage& a, const QImage& b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

}  // namespace

TEST(LoadImageFile, PhotosStandUprightInEveryExifOrientation)
{
    // The sample lighthouse is stored lying down with orientation 6; the byte at 30 is the
    // orientation's value, so each of the eight is tried on the same picture.
    QFile sample(QStringLiteral(DIALBOOK_SAMPLE_IMAGES "/lighthouse.jpg"));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    QByteArray jpeg = sample.readAll();
    ASSERT_EQ(jpeg.mid(6, 4), QByteArray("Exif"));
    ASSERT_EQ(jpeg[30], 6);
    QTemporaryDir dir;
    for (char orientation = 1; orientation <= 8; ++orientation) {
        SCOPED_TRACE(int(orientation));
        jpeg[30] = orientation;
        const QString path = WriteFile(dir, QStringLiteral("o%1.jpg").arg(int(orientation)), jpeg);
        QImageReader upright(path);
        upright.setAutoTransform(true);
        const QImage expected = upright.read().convertToFormat(QImage::Format_RGB32);

        ImageEditor fromFile, fromUpright;
        RecordingProgress progress;
        ASSERT_EQ(LoadOnWorker(fromFile, path, progress), ImageEditor::kLoaded);
        ASSERT_EQ(fromUpright.LoadImage(expected), ImageEditor::kLoaded);
        EXPECT_EQ(fromFile.PictureSize(), expected.size());
        ExpectRect(fromFile.State().source, fromUpright.State().source);
        QImage a, b;
        fromFile.RenderCanvas(a);
        fromUpright.RenderCanvas(b);
        EXPECT_LE(MaxDifference(a, b), 2);
        // The user's own turn then works from the upright picture.
        fromFile.RotateRight();
        fromUpright.RotateRight();
        ImageHandle turnedA, turnedB;
        ASSERT_TRUE(fromFile.GetHandsetImage(turnedA));
        ASSERT_TRUE(fromUpright.GetHandsetImage(turnedB));
        EXPECT_LE(MaxDifference(turnedA.Image(), turnedB.Image()), 8);
    }
}
