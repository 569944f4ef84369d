// `dialbook picture` and `dialbook send-picture`.

#include "cli/PictureCommands.h"
#include "support/SimFixture.h"

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PictureCommands : public SimFixture {
protected:
    CommandConsole Console()
    {
        CommandConsole c;
        c.out = c.err = std::tmpfile();
        return c;
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

TEST_F(PictureCommands, WritesTheFramedCentreAsA128PixelBmp)
{
    // Red left half, blue right half: the centred frame sees both.
    QImage photo(1200, 800, QImage::Format_RGB32);
    photo.fill(qRgb(0, 0, 255));
    for (int y = 0; y < 800; ++y)
        for (int x = 0; x < 600; ++x)
            photo.setPixel(x, y, qRgb(255, 0, 0));
    ASSERT_TRUE(photo.save(Path("photo.jpg"), "JPEG", 95));

    ASSERT_EQ(RunPictureCommand(Console(), Path("photo.jpg"), Path("out.bmp"), {}), 0);
    const QImage out(Path("out.bmp"));
    ASSERT_EQ(out.size(), QSize(128, 128));
    EXPECT_GT(out.pixelColor(10, 64).red(), 200);
    EXPECT_GT(out.pixelColor(117, 64).blue(), 200);
    // The name says the format.
    ASSERT_EQ(RunPictureCommand(Console(), Path("photo.jpg"), Path("out.png"), {}), 0);
    EXPECT_EQ(QImageReader(Path("out.png")).format(), "png");
    EXPECT_EQ(QImage(Path("out.png")).convertToFormat(QImage::Format_RGB16), out.convertToFormat(QImage::Format_RGB16));

    // Rotated right, the red half is on top. The view is not refitted, as on the page, so the
    // frame over the middle of the old picture now sees only the red part.
    PictureSteps rotate;
    rotate.steps = {PictureSteps::Step::RotateRight};
    ASSERT_EQ(RunPictureCommand(Console(), Path("photo.jpg"), Path("rot.bmp"), rotate), 0);
    const QImage rotated(Path("rot.bmp"));
    EXPECT_GT(rotated.pixelColor(64, 10).red(), 200);
    EXPECT_GT(rotated.pixelColor(117, 64).red(), 200);
    EXPECT_LT(rotated.pixelColor(117, 64).blue(), 50);

    EXPECT_EQ(RunPictureCommand(Console(), Path("missing.jpg"), Path("x.bmp"), {}), 1);
    EXPECT_FALSE(QFile::exists(Path("x.bmp")));
}

TEST_F(PictureCommands, SendsThePictureToTheHandset)
{
    QTemporaryDir pictures;
    SimConfig c;
    c.pictureFolder = pictures.path().toStdString();
    SimHandset& h = StartHandset(c);
    QImage photo(300, 300, QImage::Format_RGB32);
    photo.fill(qRgb(0, 255, 0));
    ASSERT_TRUE(photo.save(Path("green.png")));
    ASSERT_EQ(RunSendPictureCommand(Console(), Path("green.png"), {}), 0);
    Settle();
    EXPECT_EQ(h.PictureCount(), 1u);
    const QImage stored(pictures.filePath(QStringLiteral("picture-001.png")));
    ASSERT_EQ(stored.size(), QSize(128, 128));
    EXPECT_EQ(stored.pixelColor(64, 64).green(), 255);
}

}  // namespace
