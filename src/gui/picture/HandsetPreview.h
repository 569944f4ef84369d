#pragma once

#include "core/picture/ImageHandle.h"

#include <QWidget>

class ImageEditor;

// The handset-sized view of the framed part of the picture, with brightness, contrast and
// colour balance applied: exactly the picture that is saved and sent.
class HandsetPreview : public QWidget {
    Q_OBJECT
public:
    HandsetPreview(ImageEditor& editor, QWidget* parent);

    void SetBrightnessContrast(int brightness, int contrast);
    void SetColorBalance(int red, int green, int blue);
    // While a load runs on its worker the picture is not to be read: the preview shows the
    // background colour.
    void SetBusy(bool busy);

    // The picture as last painted, for tests and benchmarks; null before the first paint with a
    // picture.
    const QImage& Shown() const { return m_shown.Image(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ImageEditor& m_editor;
    ImageHandle m_shown;
    bool m_busy = false;
};
