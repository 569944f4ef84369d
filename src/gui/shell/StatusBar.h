#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>

// The status bar of every page. Pane 0 holds the page's own text (the open file, say), pane 1
// the handset's name, "Not Connected", or "Not Permitted" for a handset plugged in that this
// user may not open; pane 2 a picture for a handset attached or not. Whether a handset is
// connected, its name, and the advice for a handset not permitted exist once for the program.
class StatusBar : public QWidget {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr);

    // The height of one pane in the bar's font.
    static int PaneHeight();

    void ApplyFont();
    void SetPaneBitmaps(const QPixmap& handset, const QPixmap& noHandset);
    // Pane 0 and 1 widths; pane 2 takes what is left.
    void SetPaneWidths(int width0, int width1);
    void SetPaneText(int pane, const QString& text, bool update = true);
    QString PaneText(int pane) const;

    void SetConnected(std::uint8_t connected);
    // The first 16 characters.
    void SetHandsetName(const QString& name);
    void SetNotConnectedText(const QString& text);
    // Why no handset is connected although one is plugged in, and the fix; empty when there is
    // no such handset. Pane 1 then says so in short, and the bar's tooltip holds the advice.
    void SetAccessAdvice(const QString& advice);

    static bool Connected() { return g_handsetConnected != 0; }
    static QString HandsetName() { return g_handsetName; }
    static QString AccessAdvice() { return g_accessAdvice; }
    // What pane 1 shows.
    static QString Pane1Text();
    QRect PaneRect(int pane) const;
    // Where pane 2's picture goes: centred when the pane is larger than it, else at its edge.
    QPoint Pane2PicturePosition() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static inline std::uint8_t g_handsetConnected = 0;
    static inline QString g_handsetName;
    static inline QString g_notConnectedText;
    static inline QString g_accessAdvice;

    QPixmap m_handsetPicture;
    QPixmap m_noHandsetPicture;
    std::array<QString, 3> m_paneText;
    int m_width0 = 100;
    int m_width1 = 100;
};
