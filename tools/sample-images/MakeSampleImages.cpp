// Draws the program's sample pictures: scenes of its own, so that nothing of anyone else's is
// shipped. Usage: make_sample_images FOLDER

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>
#include <cstdio>

namespace {

constexpr int kJpegQuality = 85;

QImage Beach()
{
    QImage image(1600, 1000, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 560);
    sky.setColorAt(0, QColor(0x3A, 0x7B, 0xD5));
    sky.setColorAt(1, QColor(0xFF, 0xD8, 0xA8));
    p.fillRect(0, 0, 1600, 560, sky);
    QRadialGradient sun(1150, 420, 160);
    sun.setColorAt(0, QColor(0xFF, 0xF4, 0xC2));
    sun.setColorAt(0.45, QColor(0xFF, 0xC8, 0x57));
    sun.setColorAt(1, QColor(0xFF, 0xC8, 0x57, 0));
    p.fillRect(900, 200, 500, 400, sun);
    QLinearGradient sea(0, 560, 0, 780);
    sea.setColorAt(0, QColor(0x1F, 0x6F, 0x9F));
    sea.setColorAt(1, QColor(0x4F, 0xB3, 0xC9));
    p.fillRect(0, 560, 1600, 220, sea);
    p.setPen(QPen(QColor(255, 255, 255, 150), 3));
    for (int i = 0; i < 14; ++i) {
        const int y = 580 + i * 15;
        QPainterPath wave;
        wave.moveTo(0, y);
        for (int x = 0; x <= 1600; x += 40)
            wave.lineTo(x, y + 4 * std::sin((x + i * 37) / 60.0));
        p.drawPath(wave);
    }
    QLinearGradient sand(0, 760, 0, 1000);
    sand.setColorAt(0, QColor(0xF2, 0xD9, 0xA6));
    sand.setColorAt(1, QColor(0xD9, 0xB3, 0x77));
    QPainterPath shore;
    shore.moveTo(0, 790);
    shore.cubicTo(500, 740, 1000, 820, 1600, 770);
    shore.lineTo(1600, 1000);
    shore.lineTo(0, 1000);
    p.fillPath(shore, sand);
    // A parasol.
    p.setPen(QPen(QColor(0x5A, 0x40, 0x2A), 8));
    p.drawLine(360, 720, 390, 900);
    QPainterPath shade;
    shade.moveTo(200, 740);
    shade.quadTo(360, 580, 520, 700);
    shade.closeSubpath();
    p.setPen(Qt::NoPen);
    p.fillPath(shade, QColor(0xE0, 0x4B, 0x3A));
    return image;
}

QImage Mountains()
{
    QImage image(1200, 800, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 800);
    sky.setColorAt(0, QColor(0x8F, 0xB8, 0xE8));
    sky.setColorAt(1, QColor(0xE8, 0xF1, 0xFA));
    p.fillRect(image.rect(), sky);
    const QColor layers[] = {QColor(0x9A, 0xA9, 0xC4), QColor(0x6C, 0x7F, 0xA3), QColor(0x3F, 0x55, 0x7A),
                             QColor(0x2C, 0x5E, 0x3B)};
    QRandomGenerator random(20261208);
    for (int layer = 0; layer < 4; ++layer) {
        QPainterPath ridge;
        const int base = 380 + layer * 110;
        ridge.moveTo(0, 800);
        ridge.lineTo(0, base);
        for (int x = 0; x <= 1200; x += 60)
            ridge.lineTo(x, base - 120 + layer * 20 + random.bounded(140));
        ridge.lineTo(1200, 800);
        ridge.closeSubpath();
        p.fillPath(ridge, layers[layer]);
    }
    // Snow on the far peaks.
    p.setBrush(QColor(255, 255, 255, 200));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(300, 300), 40, 14);
    p.drawEllipse(QPointF(780, 290), 50, 16);
    return image;
}

QImage Flower()
{
    QImage image(600, 600, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x3C, 0x8D, 0x40), 14));
    p.drawLine(300, 330, 300, 590);
    p.translate(300, 280);
    for (int i = 0; i < 12; ++i) {
        p.rotate(30);
        QRadialGradient petal(0, -120, 120);
        petal.setColorAt(0, QColor(0xFF, 0x8F, 0xB1));
        petal.setColorAt(1, QColor(0xC2, 0x18, 0x5B));
        p.setPen(Qt::NoPen);
        p.setBrush(petal);
        p.drawEllipse(QRectF(-40, -230, 80, 190));
    }
    p.setBrush(QColor(0xFF, 0xC1, 0x07));
    p.drawEllipse(QPointF(0, 0), 60, 60);
    return image;
}

// Exactly the handset's size: colour bars and grey steps to check a handset's screen by.
QImage TestCard()
{
    QImage image(128, 128, QImage::Format_RGB32);
    QPainter p(&image);
    const QColor bars[] = {Qt::white, Qt::yellow, Qt::cyan, Qt::green, Qt::magenta, Qt::red, Qt::blue, Qt::black};
    for (int i = 0; i < 8; ++i)
        p.fillRect(i * 16, 0, 16, 80, bars[i]);
    for (int i = 0; i < 8; ++i)
        p.fillRect(i * 16, 80, 16, 24, QColor::fromRgb(i * 255 / 7, i * 255 / 7, i * 255 / 7));
    QLinearGradient ramp(0, 0, 128, 0);
    ramp.setColorAt(0, Qt::black);
    ramp.setColorAt(1, Qt::white);
    p.fillRect(0, 104, 128, 24, ramp);
    return image;
}

// A tall lighthouse, stored lying on its side as a phone camera stores it, with the EXIF
// orientation (6: turn a quarter clockwise) that stands it upright.
QImage LighthouseLyingDown()
{
    QImage upright(800, 1200, QImage::Format_RGB32);
    QPainter p(&upright);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 1200);
    sky.setColorAt(0, QColor(0x23, 0x3B, 0x6E));
    sky.setColorAt(1, QColor(0xF4, 0xA2, 0x61));
    p.fillRect(upright.rect(), sky);
    p.fillRect(0, 1000, 800, 200, QColor(0x26, 0x46, 0x53));
    QPainterPath tower;
    tower.moveTo(330, 1000);
    tower.lineTo(360, 400);
    tower.lineTo(440, 400);
    tower.lineTo(470, 1000);
    tower.closeSubpath();
    p.fillPath(tower, Qt::white);
    p.setClipPath(tower);
    for (int y = 450; y < 1000; y += 140)
        p.fillRect(300, y, 200, 60, QColor(0xD6, 0x28, 0x28));
    p.setClipping(false);
    p.fillRect(350, 340, 100, 60, QColor(0xFF, 0xE0, 0x8A));
    p.fillRect(340, 320, 120, 20, QColor(0x33, 0x33, 0x33));
    p.end();
    // Lying down: turned a quarter anticlockwise.
    return upright.transformed(QTransform().rotate(-90));
}

// A JPEG with an APP1 EXIF segment holding only the orientation.
QByteArray JpegWithOrientation(const QImage& image, quint16 orientation)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", kJpegQuality);
    // "Exif\0\0", then a little-endian TIFF header and one IFD with one SHORT entry (0x0112).
    const unsigned char exif[] = {'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0, 8, 0, 0, 0,  // TIFF header
                                  1, 0,                                                      // one entry
                                  0x12, 0x01, 3, 0, 1, 0, 0, 0,                              // tag, SHORT, count 1
                                  static_cast<unsigned char>(orientation), 0, 0, 0,         // the value
                                  0, 0, 0, 0};                                               // no next IFD
    QByteArray segment("\xFF\xE1", 2);
    const int length = static_cast<int>(sizeof exif) + 2;
    segment.append(static_cast<char>(length >> 8)).append(static_cast<char>(length & 0xFF));
    segment.append(reinterpret_cast<const char*>(exif), sizeof exif);
    return jpeg.left(2) + segment + jpeg.mid(2);  // after the start-of-image marker
}

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample_images FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok = QDir().mkpath(folder.path());
    ok = ok && Beach().save(folder.filePath(QStringLiteral("beach.jpg")), "JPEG", kJpegQuality);
    ok = ok && Mountains().save(folder.filePath(QStringLiteral("mountains.jpg")), "JPEG", kJpegQuality);
    ok = ok && Flower().save(folder.filePath(QStringLiteral("flower.png")), "PNG");
    ok = ok && TestCard().save(folder.filePath(QStringLiteral("test-card.bmp")), "BMP");
    ok = ok && Write(folder.filePath(QStringLiteral("lighthouse.jpg")), JpegWithOrientation(LighthouseLyingDown(), 6));
    if (!ok) {
        std::fprintf(stderr, "make_sample_images: could not write the pictures into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
