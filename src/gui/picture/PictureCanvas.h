#pragma once

#include "core/picture/ImageEditor.h"

#include <QColor>
#include <QImage>
#include <QWidget>

class HandsetPreview;

// The large view of the picture at its zoom, unadjusted, with the red handset-sized frame over
// it. The frame is dragged with the mouse, or moved with the arrow keys (one pixel, ten with
// Shift); + and - zoom. The canvas owns the picture engine and keeps the preview in step.
class PictureCanvas : public QWidget {
    Q_OBJECT
public:
    // `place` is in the parent's coordinates; its size is the canvas size.
    PictureCanvas(const QRect& place, QRgb background, QWidget* parent);

    void SetFrame(int width, int height, QColor colour, float penWidth);
    // The preview of the handset picture, a child of `parent` at `place`.
    HandsetPreview* CreatePreview(const QRect& place, QWidget* parent);
    HandsetPreview* Preview() const { return m_preview; }

    void ZoomIn();
    void ZoomOut();
    void RotateLeft();
    void RotateRight();
    // Moves the frame as a drag does, never beyond the canvas.
    void MoveFrameBy(int dx, int dy);

    bool HasImage() const { return m_editor.HasImage(); }
    const QString& PictureName() const { return m_editor.PictureName(); }
    bool GetHandsetImage(ImageHandle& out) const { return m_editor.GetHandsetImage(out); }
    ImageEditor& Editor() { return m_editor; }
    const ImageEditor& Editor() const { return m_editor; }
    bool Dragging() const { return m_dragging; }

    // While a load runs on its worker the engine belongs to it: the canvas and the preview show
    // only the background until the load is over, then the new picture.
    void SetBusy(bool busy);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool InsideFrame(QPoint p) const;
    // The view changed (load, zoom, turn): draw it afresh, with the preview.
    void Refresh();
    void UpdatePreview();

    ImageEditor m_editor;
    HandsetPreview* m_preview = nullptr;
    // The picture as the canvas shows it, without the frame; drawn again only when the view
    // changes, so that moving the frame costs no more than the frame's band.
    QImage m_view;
    bool m_viewStale = true;
    bool m_busy = false;
    bool m_dragging = false;
    QPoint m_lastMouse;
    QColor m_frameColour = Qt::black;
    float m_framePenWidth = 1.0f;
};
