#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QString>

#include <array>
#include <cstdint>

// A button that is only a picture: the "in" picture while hovered, pressed or (with flat focus)
// focused, the "out" picture otherwise, and a disabled picture when disabled. The picture sits at
// the top-left corner and moves one pixel right and down while pressed. A click can open a web
// address. Return and Enter press the focused button; the space bar never does; a double click
// counts as two presses. The focused button wears a ring in the highlight colour.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    // Picture ids (0: none). The transparent colours are kept but, as designed, pictures are
    // drawn opaque. Returns 0, or 1 when a picture could not be loaded (then none are kept).
    int SetBitmaps(int inId, std::uint32_t inTransparent, int outId, std::uint32_t outTransparent, int disabledId = 0,
                   std::uint32_t disabledTransparent = 0);
    // Layout modes 0-3; every button here uses 3 (top-left). Returns 4 for other modes.
    int SetAlign(std::uint8_t mode, bool repaint = true);
    void UseBalloonTooltip() { m_balloonTooltip = true; }
    void SetTooltipText(std::uint32_t stringId, bool activate = true);
    void SetTooltipText(const QString& text, bool activate = true);
    // Cut at 259 characters.
    void SetUrl(const QString& address);
    QString Url() const { return m_url; }
    void DrawFlatFocus(bool on, bool repaint = true);

    bool IsHovered() const { return m_hovered; }
    // 0 in, 1 out, 2 disabled, -1 nothing: the picture the next paint shows.
    int CurrentSlot() const;
    QPoint PictureOffset() const;

    QSize sizeHint() const override;

protected:
    virtual bool ShowsIn() const;

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

    virtual void OnClicked();

private:
    void EndHover();

    std::array<QPixmap, 3> m_pictures;
    std::array<std::uint32_t, 3> m_transparent{};
    bool m_hovered = false;
    std::uint8_t m_align = 0;
    bool m_drawFlatFocus = false;
    bool m_balloonTooltip = false;
    QPoint m_pressedOffset{1, 1};
    QString m_url;
};
