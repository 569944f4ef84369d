#include "gui/shell/BackgroundWork.h"

#include "gui/shell/ProgressWindow.h"

#include "core/common/Event.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <thread>

namespace {

// A run this short shows no window: it would only flicker.
constexpr int kShowAfterMs = 300;

}  // namespace

bool RunInBackground(QWidget* owner, const QString& status, BackgroundCancel cancel,
                     const std::function<void(ProgressDisplay& progress)>& work)
{
    ProgressWindow progress;
    Event finished(Event::Mode::ManualReset);
    if (!finished.IsValid()) {
        // Nothing to wait on: the window stands still for the run instead.
        work(progress);
        return !progress.CancelEvent().IsSet();
    }
    // The window keeps still meanwhile, and the focus comes back to where the user left it.
    QPointer<QWidget> top = owner ? owner->window() : nullptr;
    QPointer<QWidget> focus = QApplication::focusWidget();
    const bool wasEnabled = top && top->isEnabled();
    if (top)
        top->setEnabled(false);
    progress.CreateWindow(owner);
    progress.SetRange(0, 0);
    if (cancel == BackgroundCancel::NotOffered)
        progress.DisableCancel();
    progress.SetStatusText(status);
    progress.CancelEvent().Reset();
    std::thread worker([&work, &progress, &finished] {
        work(progress);
        finished.Set();
    });
    QTimer show;
    show.setSingleShot(true);
    QObject::connect(&show, &QTimer::timeout, &progress, [&progress] { progress.ShowWindow(); });
    show.start(kShowAfterMs);
    progress.WaitUntil(finished);
    show.stop();
    worker.join();
    const bool cancelled = progress.CancelEvent().IsSet();
    progress.DestroyWindow();
    if (top && wasEnabled)
        top->setEnabled(true);
    if (focus && focus->isEnabled())
        focus->setFocus(Qt::OtherFocusReason);
    return !cancelled;
}
