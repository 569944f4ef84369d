#include "gui/picture/PictureCanvas.h"

#include "gui/picture/HandsetPreview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

constexpr int kKeyStep = 1;
constexpr int kShiftKeyStep = 10;

}  // namespace

PictureCanvas::PictureCanvas(const QRect& place, QRgb background, QWidget* parent)
    : QWidget(parent), m_editor(place.size(), ImageEditor::kHandsetSize, background)
{
    setGeometry(place);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Picture"));
    setAccessibleDescription(tr("Drag the red frame, or move it with the arrow keys (Shift: faster); + and - zoom."));
}

void PictureCanvas::SetFrame(int width, int height, QColor colour, float penWidth)
{
    m_editor.SetFrame(width, height);
    m_frameColour = colour;
    m_framePenWidth = penWidth;
    update();
}

HandsetPreview* PictureCanvas::CreatePreview(const QRect& place, QWidget* parent)
{
    delete m_preview;
    m_preview = new HandsetPreview(m_editor, parent);
    m_preview->setGeometry(place);
    return m_preview;
}

void PictureCanvas::SetBusy(bool busy)
{
    m_busy = busy;
    m_dragging = false;
    if (m_preview)
        m_preview->SetBusy(busy);
    Refresh();
}

void PictureCanvas::Refresh()
{
    m_viewStale = true;
    update();
    UpdatePreview();
}

void PictureCanvas::UpdatePreview()
{
    if (m_preview)
        m_preview->update();
}

void PictureCanvas::ZoomIn()
{
    if (m_busy || !HasImage())
        return;
    m_editor.ZoomIn();
    Refresh();
}

void PictureCanvas::ZoomOut()
{
    if (m_busy || !HasImage())
        return;
    m_editor.ZoomOut();
    Refresh();
}

void PictureCanvas::RotateLeft()
{
    if (m_busy || !HasImage())
        return;
    m_editor.RotateLeft();
    Refresh();
}

void PictureCanvas::RotateRight()
{
    if (m_busy || !HasImage())
        return;
    m_editor.RotateRight();
    Refresh();
}

void PictureCanvas::MoveFrameBy(int dx, int dy)
{
    if (m_busy || !HasImage())
        return;
    const QRect before = m_editor.State().frame;
    m_editor.MoveFrame(dx, dy);
    const QRect after = m_editor.State().frame;
    if (after == before)
        return;
    // Only the old and the new frame need drawing again; the picture under them is cached.
    update(before);
    update(after);
    UpdatePreview();
}

bool PictureCanvas::InsideFrame(QPoint p) const
{
    return m_editor.State().frame.contains(p);
}

void PictureCanvas::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QRect dirty = event->rect().intersected(rect());
    if (dirty.isEmpty())
        return;
    if (m_busy || !HasImage()) {
        p.fillRect(dirty, QColor::fromRgb(m_editor.Background()));
        return;
    }
    if (m_viewStale) {
        m_editor.RenderCanvas(m_view);
        m_viewStale = false;
    }
    const QRect shown = dirty.intersected(m_view.rect());
    if (!shown.isEmpty())
        p.drawImage(shown.topLeft(), m_view, shown);

    // The line lies inside the frame rectangle.
    const QRectF frame = QRectF(m_editor.State().frame);
    const qreal half = m_framePenWidth / 2.0;
    const QRectF line = frame.adjusted(half, half, -half, -half);
    if (line.width() > 0 && line.height() > 0) {
        p.setPen(QPen(m_frameColour, m_framePenWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRect(line);
    }
}

void PictureCanvas::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() != Qt::LeftButton || m_busy || !HasImage() || !InsideFrame(pos)) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_dragging = true;
    m_lastMouse = pos;
    setCursor(Qt::SizeAllCursor);
}

void PictureCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_dragging) {
        m_dragging = false;
        if (InsideFrame(event->position().toPoint()))
            setCursor(Qt::SizeAllCursor);
    }
}

void PictureCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (!m_busy && HasImage() && InsideFrame(pos))
        setCursor(Qt::SizeAllCursor);
    else
        unsetCursor();
    // A move without the button ends a drag, even when the release went elsewhere.
    if (!m_dragging || !(event->buttons() & Qt::LeftButton)) {
        m_dragging = false;
        return;
    }
    // The origin follows the mouse, not the frame: past an edge the frame waits there.
    const QPoint delta = pos - m_lastMouse;
    m_lastMouse = pos;
    MoveFrameBy(delta.x(), delta.y());
}

void PictureCanvas::keyPressEvent(QKeyEvent* event)
{
    const int step = event->modifiers().testFlag(Qt::ShiftModifier) ? kShiftKeyStep : kKeyStep;
    switch (event->key()) {
    case Qt::Key_Left: MoveFrameBy(-step, 0); break;
    case Qt::Key_Right: MoveFrameBy(step, 0); break;
    case Qt::Key_Up: MoveFrameBy(0, -step); break;
    case Qt::Key_Down: MoveFrameBy(0, step); break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: ZoomIn(); break;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: ZoomOut(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}
