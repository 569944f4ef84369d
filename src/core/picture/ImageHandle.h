#pragma once

#include <QImage>

// One picture of the editor and the last failing status of an operation on it. A successful
// operation leaves the status alone; reading the status clears it.
class ImageHandle {
public:
    ImageHandle() = default;
    explicit ImageHandle(QImage image) : m_image(std::move(image)) {}
    // A new picture of this size in the handset's format, 16-bit RGB 5-6-5.
    static ImageHandle Rgb565(int width, int height);

    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    const QImage& Image() const { return m_image; }
    QImage& Image() { return m_image; }

    // Non-zero statuses replace the stored one; zero leaves it.
    void Record(int status)
    {
        if (status != 0)
            m_status = status;
    }
    int TakeStatus() { return std::exchange(m_status, 0); }

private:
    QImage m_image;
    int m_status = 0;
};
