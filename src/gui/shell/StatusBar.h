#pragma once

#include <QPixmap>
#include <QString>
#include <QTimer>
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
    // Pane 0's text replaces a message shown for a while, at once.
    void SetPaneText(int pane, const QString& text, bool update = true);
    QString PaneText(int pane) const;
    // A confirmation in pane 0 for `ms` milliseconds; then pane 0 shows again what it showed
    // before. No dialog: the work is done and needs no answer.
    void ShowMessageFor(const QString& text, int ms);
    // The same for the time every confirmation stays.
    void ShowMessage(const QString& text) { ShowMessageFor(text, s_messageMs); }
    bool ShowingMessage() const { return m_messageTimer.isActive(); }
    // How long ShowMessage keeps a confirmation; tests make it short.
    static void SetMessageDuration(int ms) { s_messageMs = ms; }
    static int MessageDuration() { return s_messageMs; }

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
    void EndMessage();

    // Long enough to be read, short enough not to stand for the open file.
    static constexpr int kDefaultMessageMs = 4000;
    static inline int s_messageMs = kDefaultMessageMs;
    static inline std::uint8_t g_handsetConnected = 0;
    static inline QString g_handsetName;
    static inline QString g_notConnectedText;
    static inline QString g_accessAdvice;

    QPixmap m_handsetPicture;
    QPixmap m_noHandsetPicture;
    std::array<QString, 3> m_paneText;
    // What pane 0 showed before the message, back once the timer ends.
    QString m_textBeforeMessage;
    QTimer m_messageTimer;
    int m_width0 = 100;
    int m_width1 = 100;
};
