#include "gui/shell/StatusBar.h"

#include <QFontMetrics>
#include <QPainter>

#include <utility>

namespace {

constexpr int kNameLimit = 16;
constexpr int kPictureWidth = 31;
constexpr int kPictureHeight = 11;
constexpr int kPaneGap = 2;
const QColor kPane1Text(17, 0, 0);

QFont BarFont()
{
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(14);
    return f;
}

}  // namespace

StatusBar::StatusBar(QWidget* parent) : QWidget(parent)
{
    ApplyFont();
    setAutoFillBackground(false);
    m_messageTimer.setSingleShot(true);
    connect(&m_messageTimer, &QTimer::timeout, this, &StatusBar::EndMessage);
}

int StatusBar::PaneHeight()
{
    return QFontMetrics(BarFont()).height() + 6;
}

void StatusBar::ApplyFont()
{
    setFont(BarFont());
    update();
}

void StatusBar::SetPaneBitmaps(const QPixmap& handset, const QPixmap& noHandset)
{
    m_handsetPicture = handset;
    m_noHandsetPicture = noHandset;
    update();
}

void StatusBar::SetPaneWidths(int width0, int width1)
{
    m_width0 = std::max(0, width0);
    m_width1 = std::max(0, width1);
    update();
}

void StatusBar::SetPaneText(int pane, const QString& text, bool repaint)
{
    if (pane < 0 || pane > 2)
        return;
    if (pane == 0)
        m_messageTimer.stop();
    m_paneText[static_cast<std::size_t>(pane)] = text;
    if (repaint)
        update();
}

QString StatusBar::PaneText(int pane) const
{
    return pane >= 0 && pane <= 2 ? m_paneText[static_cast<std::size_t>(pane)] : QString();
}

void StatusBar::ShowMessageFor(const QString& text, int ms)
{
    // A message over a message goes back to what was there before the first.
    if (!m_messageTimer.isActive())
        m_textBeforeMessage = m_paneText[0];
    m_paneText[0] = text;
    m_messageTimer.start(std::max(0, ms));
    update();
}

void StatusBar::EndMessage()
{
    m_paneText[0] = std::exchange(m_textBeforeMessage, QString());
    update();
}

void StatusBar::SetConnected(std::uint8_t connected)
{
    g_handsetConnected = connected;
    if (connected == 1) {
        SetPaneText(1, g_handsetName);
        SetPaneText(2, tr("Connected"));
    } else {
        SetPaneText(2, tr("Not Connected"));
        g_handsetName.clear();
        SetPaneText(1, g_handsetName);
    }
    update();
}

void StatusBar::SetHandsetName(const QString& name)
{
    g_handsetName = name.left(kNameLimit);
    SetPaneText(1, g_handsetName);
    update();
}

void StatusBar::SetNotConnectedText(const QString& text)
{
    g_notConnectedText = text.left(kNameLimit);
}

void StatusBar::SetAccessAdvice(const QString& advice)
{
    g_accessAdvice = advice;
    setToolTip(advice);
    update();
}

QString StatusBar::Pane1Text()
{
    if (g_handsetConnected == 1)
        return g_handsetName;
    return g_accessAdvice.isEmpty() ? g_notConnectedText : tr("Not Permitted").left(kNameLimit);
}

QRect StatusBar::PaneRect(int pane) const
{
    const int h = height();
    switch (pane) {
    case 0: return QRect(0, 0, m_width0, h);
    case 1: return QRect(m_width0 + kPaneGap, 0, m_width1, h);
    default: {
        const int x = m_width0 + m_width1 + 2 * kPaneGap;
        return QRect(x, 0, std::max(0, width() - x), h);
    }
    }
}

QPoint StatusBar::Pane2PicturePosition() const
{
    const QRect r = PaneRect(2);
    const int dx = r.width() > kPictureWidth ? (r.width() - kPictureWidth) / 2 : 0;
    const int dy = r.height() > kPictureHeight ? (r.height() - kPictureHeight) / 2 : 0;
    return r.topLeft() + QPoint(dx, dy);
}

void StatusBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xEE, 0xF1, 0xF5));
    p.setPen(QColor(0xC9, 0xD1, 0xDB));
    p.drawLine(0, 0, width(), 0);
    for (int pane = 0; pane < 3; ++pane) {
        const QRect r = PaneRect(pane).adjusted(0, 2, -1, -2);
        p.setPen(QColor(0xC9, 0xD1, 0xDB));
        p.drawRect(r);
    }
    const QFontMetrics fm(font());
    p.setFont(font());
    p.setPen(QColor(0x1B, 0x26, 0x31));
    const QRect r0 = PaneRect(0).adjusted(4, 0, -4, 0);
    p.drawText(r0, Qt::AlignLeft | Qt::AlignVCenter, m_paneText[0]);
    p.setPen(kPane1Text);
    p.drawText(PaneRect(1).adjusted(2 + 2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, Pane1Text());
    const QPixmap& picture = g_handsetConnected == 1 ? m_handsetPicture : m_noHandsetPicture;
    if (!picture.isNull())
        p.drawPixmap(Pane2PicturePosition(), picture);
}
