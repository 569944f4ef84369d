#pragma once

#include "core/common/ProgressDisplay.h"

#include <QDialog>
#include <QObject>
#include <QPointer>

#include <cstdint>
#include <functional>


class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

// The small "Status" window a page shows while it works: a status line, a bar and Cancel.
// The object lives as long as its page; each operation gets a fresh window. An operation's
// worker may call its setters; they reach the widgets on the window's own thread.
class ProgressWindow : public QObject, public ProgressDisplay {
    Q_OBJECT
public:
    ProgressWindow();
    ~ProgressWindow() override;

    bool HasWindow() const { return m_window != nullptr; }
    // Makes the window, kept above `owner`'s window.
    void CreateWindow(QWidget* owner);
    void DestroyWindow();
    void ShowWindow();
    // Hides and disables Cancel: the operation cannot be cancelled.
    void DisableCancel();
    void SetCancelTextId(std::uint32_t id) { m_cancelTextId = id; }

    // Cancel pressed (with its 100 ms pressed look) or Esc (without).
    void RequestCancel(bool buttonFeedback);
    bool Cancelled() const { return m_cancelled; }

    using ProgressDisplay::SetStatusText;
    void SetStatusText(const QString& text) override;
    void SetRange(int low, int high) override;
    void SetStep(int step) override;
    void ResetPosition() override;
    void PostStep() override;
    void WaitUntil(Event& finished) override;

    // For tests and the pages: what the window shows.
    QDialog* Window() const { return m_window; }
    QString StatusText() const;
    int Position() const;
    bool CancelVisible() const;

protected:
    void customEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when called off the window's thread: the call has been posted to it instead.
    bool PassedToOwnThread(const std::function<void()>& call);

    QPointer<QDialog> m_window;
    QLabel* m_statusText = nullptr;
    QProgressBar* m_progressBar = nullptr;
    QPushButton* m_cancelButton = nullptr;
    std::uint32_t m_cancelTextId = 0;
    bool m_cancelled = false;
    bool m_windowAlive = false;
    int m_step = 10;
    // Counts the windows made, so that a call posted for one is dropped by the next.
    int m_generation = 0;
};
