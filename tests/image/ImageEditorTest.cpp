// The picture engine: fitting, zoom, frame, rotation, adjustments and the handset picture.

#include "image/ColorMatrix.h"
#include "image/ImageEditor.h"
#include "image/Rgb565.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

namespace {

QImage Solid(int w, int h, QRgb c = qRgb(10, 200, 30))
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(c);
    return image;
}

// The fit computes (cw / iw) x iw in single precision, which may land an ulp off cw.
void ExpectRect(const RectF& r, RectF expected)
{
    EXPECT_NEAR(r.x, expected.x, 1e-3);
    EXPECT_NEAR(r.y, expected.y, 1e-3);
    EXPECT_NEAR(r.width, expected.width, 1e-3);
    EXPECT_NEAR(r.height, expected.height, 1e-3);
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
    const RectF s = e.State().source;
    EXPECT_EQ(s.x, 0);
    EXPECT_EQ(s.width, 900);
    EXPECT_NEAR(s.height, 633.8, 0.05);
    EXPECT_NEAR(s.y, 33.1, 0.05);
    ASSERT_EQ(e.LoadImage(Solid(500, 900)), ImageEditor::kLoaded);  // height excess 600 > 74
    EXPECT_EQ(e.State().source.y, 0);
    EXPECT_EQ(e.State().source.height, 900);
    ASSERT_EQ(e.LoadImage(Solid(200, 400)), ImageEditor::kLoaded);  // only the height is larger
    EXPECT_EQ(e.State().source.height, 400);
    EXPECT_GT(e.State().source.width, 200);
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
    EXPECT_NEAR(e.State().source.width, e.State().base.width, 0.01);
}

TEST(Zoom, KeepsThePointUnderTheFrameCentre)
{
    ImageEditor e;
    ASSERT_EQ(e.LoadImage(Solid(3000, 2000)), ImageEditor::kLoaded);
    e.MoveFrame(-100, 40);
    const auto centre = [&] {
        const RectF p = e.PreviewSource();
        return std::pair(p.x + p.width / 2, p.y + p.height / 2);
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

TEST(LoadImageFile, ANonPictureLeavesNothingLoadedAndStillNotifies)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.jpg"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not a picture");
    f.close();
    ImageEditor e;
    ASSERT_EQ(e.LoadImage(Solid(10, 10)), ImageEditor::kLoaded);
    int notices = 0;
    EXPECT_EQ(e.LoadImageFile(path, [&] { ++notices; }), ImageEditor::kNotAPicture);
    EXPECT_EQ(notices, 1);
    EXPECT_FALSE(e.HasImage());
    ImageHandle out;
    EXPECT_FALSE(e.GetHandsetImage(out));

    const QString png = dir.filePath(QStringLiteral("p.png"));
    ASSERT_TRUE(Solid(300, 200).save(png));
    EXPECT_EQ(e.LoadImageFile(png, [&] { ++notices; }), ImageEditor::kLoaded);
    EXPECT_EQ(notices, 2);
    e.RotateRight();
    EXPECT_EQ(e.State().mainImage->Height(), 300);
    EXPECT_EQ(e.PreviewCopy().height(), 300);
    e.RotateLeft();
    EXPECT_EQ(e.State().mainImage->Width(), 300);
}

}  // namespace
