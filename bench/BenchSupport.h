#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <sys/resource.h>

#include <cstdio>

// A photo-like picture: gradients with fine detail, saved as a JPEG.
inline void WritePhoto(const QString& path, int width, int height)
{
    QImage photo(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb((x * 255 / width) ^ ((x + y) & 15), (y * 255 / height), ((x ^ y) & 0xFF));
    }
    photo.save(path, "JPEG", 90);
}

// Runs this program again to do one job in a clean process of its own, and returns that
// process's peak resident memory in megabytes (which the child prints, PrintPeakMb).
inline double ChildPeakMb(const QString& job, const QString& path)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {job, path});
    if (!child.waitForFinished(600000))
        return 0;
    return child.readAllStandardOutput().trimmed().toDouble();
}

inline void PrintPeakMb()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("%.1f\n", usage.ru_maxrss / 1024.0);
}
