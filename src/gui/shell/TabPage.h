#pragma once

#include "gui/shell/ProgressWindow.h"
#include "gui/shell/StatusBar.h"

#include "core/common/Msg.h"
#include "core/common/TimedSemaphore.h"

#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <vector>

class PictureButton;
class QLabel;

// The common frame of the three tab pages: the page picture behind everything, a status bar
// at the bottom, a progress window for long operations, and the refresh that follows every
// handset notice.
class TabPage : public QWidget {
    Q_OBJECT
public:
    explicit TabPage(QWidget* parent = nullptr);
    ~TabPage() override;

    // Set by the main window before it lays the page out.
    void SetMainWindow(QWidget* window) { m_mainWindow = window; }
    void SetBackgroundBitmapId(std::uint32_t id) { m_backgroundBitmapId = id; }

    // Builds what needs the page's place: background and status bar. The main window calls it
    // once it has laid the page out.
    virtual void SetUpUi();
    // The main window is closing; a page may ask to save its data first. False keeps the
    // window open (the user's changes were not saved although they asked for it).
    virtual bool OnClose() { return true; }

    // Busy: the page and the main window are disabled and the progress window shows.
    // cancelTextId 0 means the operation cannot be cancelled. Brackets may nest; only the
    // outermost one ends the busy state, and the window is enabled again once no page is busy.
    virtual void BeginProgress(std::uint32_t cancelTextId, std::uint32_t statusTextId);
    virtual void EndProgress();
    // Some page of the window is in an operation.
    static bool IsBusy();
    // While some page is busy, a handset notice is held instead of handled: true then. The
    // notices held are handled as one when the last busy bracket ends.
    static bool HoldHandsetNoticeWhileBusy();

    StatusBar& StatusPane() { return *m_statusBar; }
    // Says on the page that the handset attached is a model whose features the page does not
    // offer, and which command does; hidden otherwise.
    QLabel* HandsetNote() const { return m_handsetNote; }
    ProgressWindow& ProgressDialog() { return m_progressDialog; }

    // The refresh after a handset notice, with the page's lock (500 ms) and debug line.
    void OnHandsetChanged();

protected:
    // The page's own step of the refresh: its connection display and buttons.
    virtual void UpdateForHandset() = 0;
    // Where the note of ShowHandsetState goes: free space of the page's, as wide as it can be;
    // the note grows downwards from there when its text needs more lines.
    virtual QRect HandsetNotePlace() const { return {}; }
    // The name in the debug line of a refresh that could not take the page lock.
    virtual const char* LockOwnerName() const = 0;
    // After the refresh read the handset information (0 or the failure); the phone-book page
    // does more on failure.
    virtual void OnHandsetInfoRead(Msg) {}

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    void RebuildStatusPane();
    // The status bar's connection panes; when no handset is connected, also the advice for one
    // that is plugged in but that this user may not open.
    void ShowConnection(bool connected);
    // The connection panes for any accepted handset, and the note on the page when its model's
    // features are not offered here. `note`: what the page does not offer, with %1 for the model
    // and %2 for `command`, the dialbook command that offers it.
    void ShowHandsetState(const QString& note, const QString& command);
    // That advice, translated; empty when the last scan found no such handset.
    static QString AccessAdvice();
    // A page button as every page sets one up: its pictures (in, out, disabled), top-left
    // alignment, its place, a balloon tip and flat focus; the web-link button also opens the
    // maker's site.
    static void SetUpButton(PictureButton* button, const QRect& place, int in, int out, int disabled,
                            std::uint32_t tip, bool webLink);
    // The page draws the focus mark of `control` (a list, the picture) as a ring on the page
    // around it, where the control's own drawing shows none or only on one of its rows.
    void MarkFocusAround(QWidget* control);
    // A file's path in status pane 0, shortened in the middle to fit.
    void ShowPathInPane(const QString& path);
    // The model whose features the pages offer is attached.
    static bool SupportedHandsetAttached();
    // The product id of the accepted handset the last scan found, of any model; else 0.
    static std::uint16_t AcceptedProductId();

    QWidget* m_mainWindow = nullptr;
    std::uint32_t m_backgroundBitmapId = 0;
    StatusBar* m_statusBar = nullptr;
    QLabel* m_handsetNote = nullptr;
    ProgressWindow m_progressDialog;
    TimedSemaphore m_pageLock{1, 1};
    QPixmap m_background;

private:
    void OnFocusChanged(QWidget* old, QWidget* now);

    // After an operation the focus goes back to the control it came from (the button that
    // started it), so that the keyboard carries on from there; the page takes it otherwise.
    void RestoreFocus();

    int m_busyDepth = 0;
    std::vector<QWidget*> m_ringedControls;
    QPointer<QWidget> m_focusBefore;
    static inline int s_busyDepth = 0;
    static inline bool s_handsetNoticeHeld = false;
};
