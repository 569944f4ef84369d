// The picture engine on a 24-megapixel JPEG, against a plain decode of the same file measured
// in the same run.

#include "image/ImageEditor.h"

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double MedianMs(int rounds, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    {
        // A photo-like picture: gradients with fine detail, 6000 x 4000.
        QImage photo(6000, 4000, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
            for (int x = 0; x < photo.width(); ++x)
                line[x] = qRgb((x * 255 / 6000) ^ ((x + y) & 15), (y * 255 / 4000), ((x ^ y) & 0xFF));
        }
        photo.save(path, "JPEG", 90);
    }
    QImageReader::setAllocationLimit(0);
    const double decode = MedianMs(3, [&] { QImageReader(path).read(); });
    ImageEditor editor;
    const double open = MedianMs(3, [&] { editor.LoadImageFile(path); });
    ImageHandle handset;
    const double preview = MedianMs(5, [&] { editor.GetHandsetImage(handset); });
    const double zoomStep = MedianMs(5, [&] {
        editor.ZoomIn();
        editor.GetHandsetImage(handset);
    });
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const double decodedMb = 6000.0 * 4000 * 4 / (1024 * 1024);

    std::printf("24-megapixel JPEG (6000 x 4000), medians\n");
    std::printf("  plain QImageReader decode      %8.1f ms\n", decode);
    std::printf("  open to ready (LoadImageFile)  %8.1f ms   ratio %.2f (goal <= 1.5)\n", open, open / decode);
    std::printf("  handset picture, fitted        %8.1f ms   (goal: <= 8 ms per step with the canvas)\n", preview);
    std::printf("  zoom step and handset picture  %8.1f ms\n", zoomStep);
    std::printf("  peak resident memory           %8.1f MB   ratio %.2f of the decoded 32-bit size\n",
                usage.ru_maxrss / 1024.0, usage.ru_maxrss / 1024.0 / decodedMb);
    return 0;
}
