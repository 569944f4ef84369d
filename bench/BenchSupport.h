#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>

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

// The process's peak resident memory. From VmHWM, which starts afresh at exec: getrusage's
// figure keeps the peak of the parent that forked this process.
inline void PrintPeakMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    double kb = 0;
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                kb = line.mid(6).trimmed().split(' ').value(0).toDouble();
    }
    std::printf("%.1f\n", kb / 1024.0);
}

// The 100-megapixel memory figures: a photo written, then a plain decode and `job` each in a
// process of its own, so that none is measured with another's memory. `job` is the child job's
// flag, `what` its line's label and `goal` its goal as text.
inline void PrintHundredMegapixelPeaks(const QString& path, const QString& job, const char* what, const char* goal)
{
    ChildPeakMb(QStringLiteral("--write-photo"), path);
    const double decodedMb = 10000.0 * 10000 * 4 / (1024 * 1024);
    const double plainPeak = ChildPeakMb(QStringLiteral("--plain-decode"), path);
    const double jobPeak = ChildPeakMb(job, path);
    std::printf("100-megapixel JPEG (10000 x 10000), decoded 32-bit size %.0f MB\n", decodedMb);
    std::printf("  peak memory, plain decode          %8.0f MB   ratio %.2f of the decoded size\n", plainPeak,
                plainPeak / decodedMb);
    std::printf("  peak memory, %-21s %8.0f MB   ratio %.2f of the decoded size (goal <= %s)\n", what, jobPeak,
                jobPeak / decodedMb, goal);
}
