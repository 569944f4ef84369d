#include "gui/picture/HandsetPreview.h"

#include "core/picture/ImageEditor.h"

#include <QPainter>

HandsetPreview::HandsetPreview(ImageEditor& editor, QWidget* parent) : QWidget(parent), m_editor(editor)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Handset preview"));
}

void HandsetPreview::SetBrightnessContrast(int brightness, int contrast)
{
    m_editor.SetBrightnessContrast(brightness, contrast);
    update();
}

void HandsetPreview::SetColorBalance(int red, int green, int blue)
{
    m_editor.SetColorBalance(red, green, blue);
    update();
}

void HandsetPreview::SetBusy(bool busy)
{
    m_busy = busy;
    update();
}

void HandsetPreview::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_busy || !m_editor.GetHandsetImage(m_shown)) {
        m_shown = ImageHandle();
        p.fillRect(rect(), QColor::fromRgb(m_editor.Background()));
        return;
    }
    p.drawImage(QPoint(0, 0), m_shown.Image());
}
