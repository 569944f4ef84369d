#include "gui/shell/PictureButton.h"

#include "gui/shell/Artwork.h"

#include "core/common/StringTable.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QPainter>
#include <QUrl>

namespace {

constexpr int kSlotIn = 0;
constexpr int kSlotOut = 1;
constexpr int kSlotDisabled = 2;
constexpr qsizetype kMaxUrl = 259;
// The focus mark: a rounded ring just inside the button in the palette's highlight colour, with
// a thin line of the highlighted-text colour inside it, so that it shows on light pictures and on
// the lit ones that are themselves the highlight's blue.
constexpr qreal kFocusPenWidth = 2.0;
constexpr qreal kFocusInnerPenWidth = 1.0;
constexpr qreal kFocusRadius = 3.0;

}  // namespace

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    connect(this, &QAbstractButton::clicked, this, [this] { OnClicked(); });
}

int PictureButton::SetBitmaps(int inId, std::uint32_t inTransparent, int outId, std::uint32_t outTransparent,
                            int disabledId, std::uint32_t disabledTransparent)
{
    m_pictures = {};
    const std::array<int, 3> ids{inId, outId, disabledId};
    m_transparent = {inTransparent, outTransparent, disabledTransparent};
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (ids[i] == 0)
            continue;
        m_pictures[i] = Artwork::Picture(ids[i]);
        if (m_pictures[i].isNull()) {
            m_pictures = {};
            update();
            return 1;
        }
    }
    update();
    return 0;
}

int PictureButton::SetAlign(std::uint8_t mode, bool repaint)
{
    if (mode > 3)
        return 4;
    m_align = mode;
    if (repaint)
        update();
    return 0;
}

void PictureButton::SetTooltipText(std::uint32_t stringId, bool activate)
{
    const QString text = LoadString(stringId);
    if (!text.isEmpty())
        SetTooltipText(text, activate);
}

void PictureButton::SetTooltipText(const QString& text, bool activate)
{
    // Tool tips in the string table break lines the Windows way.
    QString tip = text;
    tip.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setToolTip(activate ? tip : QString());
}

void PictureButton::SetUrl(const QString& address)
{
    m_url = address.left(kMaxUrl);
}

void PictureButton::DrawFlatFocus(bool on, bool repaint)
{
    m_drawFlatFocus = on;
    if (repaint)
        update();
}

bool PictureButton::ShowsIn() const
{
    return isDown() || m_hovered || (m_drawFlatFocus && hasFocus());
}

int PictureButton::CurrentSlot() const
{
    if (m_pictures[kSlotIn].isNull())
        return -1;
    // Only a button disabled itself shows its disabled picture. One that is merely inside a
    // disabled window (a page during a transfer) keeps its look, as Windows buttons do.
    const bool disabled = testAttribute(Qt::WA_ForceDisabled);
    int slot = kSlotIn;
    if (!ShowsIn())
        slot = disabled ? kSlotDisabled : (!m_pictures[kSlotOut].isNull() ? kSlotOut : kSlotIn);
    return m_pictures[static_cast<std::size_t>(slot)].isNull() ? -1 : slot;
}

QPoint PictureButton::PictureOffset() const
{
    return isDown() ? m_pressedOffset : QPoint(0, 0);
}

QSize PictureButton::sizeHint() const
{
    return m_pictures[kSlotIn].isNull() ? QSize(16, 16) : m_pictures[kSlotIn].deviceIndependentSize().toSize();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    // No background and no frame: the page picture shows around the button's picture.
    const int slot = CurrentSlot();
    if (slot < 0)
        return;
    QPainter p(this);
    p.drawPixmap(PictureOffset(), m_pictures[static_cast<std::size_t>(slot)]);
    if (hasFocus()) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), kFocusPenWidth));
        p.setBrush(Qt::NoBrush);
        const qreal inset = kFocusPenWidth / 2;
        p.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), kFocusRadius, kFocusRadius);
        p.setPen(QPen(palette().color(QPalette::Active, QPalette::HighlightedText), kFocusInnerPenWidth));
        const qreal inner = kFocusPenWidth + kFocusInnerPenWidth / 2;
        p.drawRoundedRect(QRectF(rect()).adjusted(inner, inner, -inner, -inner), kFocusRadius - 1, kFocusRadius - 1);
    }
}

void PictureButton::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    if (!m_hovered && isEnabled()) {
        m_hovered = true;
        update();
    }
}

void PictureButton::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    EndHover();
}

void PictureButton::focusOutEvent(QFocusEvent* event)
{
    QAbstractButton::focusOutEvent(event);
    EndHover();
}

void PictureButton::changeEvent(QEvent* event)
{
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        // A disabled button cannot keep the keyboard focus: it goes on to the next control.
        if (hasFocus()) {
            QWidget* next = nextInFocusChain();
            while (next && next != this && !(next->isEnabled() && next->isVisible() && next->focusPolicy() & Qt::TabFocus))
                next = next->nextInFocusChain();
            if (next && next != this)
                next->setFocus(Qt::TabFocusReason);
            else if (parentWidget())
                parentWidget()->setFocus();
        }
        EndHover();
    }
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space) {
        event->accept();
        return;
    }
    // Return and Enter press the focused button, as a click does; held down, they press once.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        if (!event->isAutoRepeat() && isEnabled())
            click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void PictureButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space) {
        event->accept();
        return;
    }
    QAbstractButton::keyReleaseEvent(event);
}

void PictureButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second click of a double click is a press of its own.
    mousePressEvent(event);
}

void PictureButton::OnClicked()
{
    setFocus(Qt::MouseFocusReason);
    if (!m_url.isEmpty())
        QDesktopServices::openUrl(QUrl(m_url));
}

void PictureButton::EndHover()
{
    if (m_hovered) {
        m_hovered = false;
        update();
    }
}
