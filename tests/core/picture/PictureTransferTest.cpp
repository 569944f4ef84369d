// The handset's picture format, the BMP file the program writes, and the picture download.

#include "support/RecordingProgress.h"
#include "support/SimFixture.h"

#include "core/picture/Bmp565Writer.h"
#include "core/picture/ImageHandle.h"
#include "core/picture/Rgb565.h"
#include "core/picture/ImageTransfer.h"
#include "core/transfer/ProtocolCodes.h"

#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

ImageHandle Filled(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return ImageHandle(std::move(image));
}

TEST(Rgb565, TruncatesEachChannel)
{
    EXPECT_EQ(ToRgb565(qRgb(255, 255, 255)), 0xFFFF);
    EXPECT_EQ(ToRgb565(qRgb(255, 0, 0)), 0xF800);
    EXPECT_EQ(ToRgb565(qRgb(0, 255, 0)), 0x07E0);
    EXPECT_EQ(ToRgb565(qRgb(0, 0, 255)), 0x001F);
    EXPECT_EQ(ToRgb565(qRgb(0x17, 0x2B, 0x3F)), 0x1147);
    EXPECT_EQ(ToRgb565(qRgba(0, 0, 0, 0)), 0x0000) << "alpha is ignored";
}

TEST(Rgb565, ConvertsRowsFromTheTopLowByteFirst)
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(0, 1, qRgb(0, 0, 255));
    image.setPixel(1, 1, qRgb(0x17, 0x2B, 0x3F));
    ImageHandle picture(image);
    std::vector<std::uint8_t> bytes(8);
    ASSERT_EQ(ConvertToRgb565(picture, bytes), 0);
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0x47, 0x11}));

    ImageHandle empty;
    EXPECT_NE(ConvertToRgb565(empty, bytes), 0);
    std::vector<std::uint8_t> small(7);
    EXPECT_NE(ConvertToRgb565(picture, small), 0);
    EXPECT_NE(picture.TakeStatus(), 0);
    EXPECT_EQ(picture.TakeStatus(), 0) << "reading the status clears it";
}

TEST(Bmp565Writer, WritesA16BitBitfieldsFileOtherProgramsRead)
{
    QTemporaryDir dir;
    QImage image(128, 128, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    image.setPixel(0, 0, qRgb(255, 0, 0));      // top left
    image.setPixel(0, 127, qRgb(0, 0, 255));    // bottom left
    ImageHandle picture(image);
    const QString path = dir.filePath(QStringLiteral("p.bmp"));
    ASSERT_TRUE(WriteBmp565(path, picture));

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray b = f.readAll();
    ASSERT_EQ(b.size(), 66 + 128 * 128 * 2);
    EXPECT_EQ(b.left(2), QByteArray("BM"));
    EXPECT_EQ(b.mid(28, 2), QByteArray::fromHex("1000"));         // 16 bits
    EXPECT_EQ(b.mid(30, 4), QByteArray::fromHex("03000000"));     // BI_BITFIELDS
    EXPECT_EQ(b.mid(54, 12), QByteArray::fromHex("00f80000e00700001f000000"));
    EXPECT_EQ(b.mid(66, 2), QByteArray::fromHex("1f00")) << "bottom row first";
    EXPECT_EQ(b.mid(66 + 127 * 256, 2), QByteArray::fromHex("00f8"));

    QImageReader reader(path);
    const QImage back = reader.read();
    ASSERT_FALSE(back.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(back.size(), QSize(128, 128));
    // Qt widens 5 bits to 8 by shifting: full red reads back as 248.
    EXPECT_GE(back.pixelColor(0, 0).red(), 248);
    EXPECT_EQ(back.pixelColor(0, 0).blue(), 0);
    EXPECT_GE(back.pixelColor(0, 127).blue(), 248);
    EXPECT_EQ(back.pixelColor(0, 127).red(), 0);
    EXPECT_EQ(FindImageEncoder(QStringLiteral("image/bmp")), 0);
    EXPECT_EQ(FindImageEncoder(QStringLiteral("image/BMP")), -1);
}

class PictureDownload : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        transfer.SetProgressDialog(&progress);
    }
    RecordingProgress progress;
    ImageTransfer transfer;
};

TEST_F(PictureDownload, SendsThePixelsThenTheNameRecord)
{
    QTemporaryDir pictures;
    SimConfig c;
    c.pictureFolder = pictures.path().toStdString();
    SimHandset& h = StartHandset(c);
    ImageHandle picture = Filled(128, 128, qRgb(0x17, 0x2B, 0x3F));
    ASSERT_EQ(transfer.SendImage(&picture, ""), Msg::Ok);
    Settle();
    EXPECT_EQ(progress.ranges.back(), (std::pair<int, int>{0, 5210}));
    EXPECT_EQ(progress.steps, 521 + 1);

    const auto log = h.Commands();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].function, FN_WRITE_IMAGE);
    ASSERT_EQ(log[0].data.size(), 32772u);
    EXPECT_EQ(std::vector<std::uint8_t>(log[0].data.begin(), log[0].data.begin() + 6),
              (std::vector<std::uint8_t>{0x80, 0x80, 0, 0, 0x47, 0x11}));
    EXPECT_EQ(log[1].function, FN_WRITE_RECORD);
    EXPECT_EQ(log[1].parameters[4], CLASS_IMAGE_NAME);
    ASSERT_EQ(log[1].data.size(), 20u);
    EXPECT_EQ(log[1].data[0], CLASS_IMAGE) << "the tag the handset gave the picture";
    EXPECT_TRUE(std::all_of(log[1].data.begin() + 4, log[1].data.end(), [](auto b) { return b == 0; }));
    EXPECT_EQ(h.PictureCount(), 1u);
    EXPECT_TRUE(QFile::exists(pictures.filePath(QStringLiteral("picture-001.png"))));
}

TEST_F(PictureDownload, ARefusedPictureSendsNoNameRecord)
{
    SimConfig c;
    c.pictureCapacity = 0;
    SimHandset& h = StartHandset(c);
    ImageHandle picture = Filled(128, 128, qRgb(1, 2, 3));
    EXPECT_EQ(transfer.SendImage(&picture, "x"), Msg::RefusedMemoryFull);
    EXPECT_EQ(h.Commands().size(), 1u);

    ImageHandle empty;
    EXPECT_EQ(transfer.SendImage(&empty, "x"), Msg::NoMemory);
    EXPECT_EQ(transfer.SendImage(nullptr, "x"), Msg::BitmapMissing);
    EXPECT_EQ(h.Commands().size(), 1u) << "nothing written for a picture without pixels";
}

}  // namespace
