#pragma once

#include "core/handset/HandsetLink.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <cstdint>

class PictureButton;
class TabButton;
class TabPage;

// One row of the tab table: a page, where it goes, and its tab button.
struct TabPageEntry {
    TabPage* page = nullptr;
    std::uint32_t backgroundBitmap = 0;
    std::uint32_t pageTemplate = 0;
    QRect pageRect;
    TabButton* tabButton = nullptr;
    int commandId = 0;
    std::uint32_t tooltipId = 0;
    int inBitmap = 0;
    int outBitmap = 0;
    QRect buttonRect;
};

// The program's one window: fixed size, a strip of three tabs along the top right, one page at
// a time below them, and a help button. It passes handset notices on to the visible page.
// Ctrl+Tab / Ctrl+Page Down and Ctrl+Shift+Tab / Ctrl+Page Up step through the tabs, Alt with a
// tab's marked letter selects it.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    static constexpr int kClientWidth = 638;
    static constexpr int kClientHeight = 504;  // plus one status pane

    // Shows the pages whose command is `id`, hides the others; ids of no tab do nothing.
    void OnTabCommand(int id);
    // The tab `step` places after the selected one (wrapping), selected as a click selects it.
    void StepTab(int step);
    void OnHelpButton();
    // Shows the picture page with `path` loaded, as an image program opens a file it is given.
    void OpenPicture(const QString& path);
    void ShowAbout();
    // The running program's recovery copy: offered back once the window is idle, then kept
    // while the phone book has unsaved changes. Tests and screenshots leave it alone.
    void StartRecovery();
    // The help context of the visible page.
    std::uint32_t HelpContext() const;

    const std::array<TabPageEntry, 3>& TabPageTable() const { return m_table; }
    TabPage* VisiblePage() const;
    PictureButton* HelpButton() const { return m_helpButton; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void SetUpUi();
    // Runs what waited for the running operation to end (an open, the recovery offer, a close);
    // a question still open makes it wait further.
    void RunPending();

    std::array<TabPageEntry, 3> m_table;
    PictureButton* m_helpButton = nullptr;
    QPixmap m_background;
    HandsetLink m_handset;
    // A picture to open once the window is no longer busy with an operation.
    QString m_pendingPicture;
    bool m_recoveryPending = false;
    // The window was closed during a transfer: it closes once the transfer has ended.
    bool m_closePending = false;
    // A handset notice came while a question was open; it is handled once none is.
    bool m_handsetNoticePending = false;
    // How often what waits for an open question looks again.
    static constexpr int kRetryMs = 200;
};
