#include "gui/shell/ProgressWindow.h"

#include "core/common/AppEvents.h"
#include "core/common/StringTable.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSocketNotifier>
#include <QThread>
#include <QVBoxLayout>
#include <QWindow>

namespace {

constexpr std::uint32_t kStartingDownloadText = 132;
// 260 x 74 dialog units, at 1.5 and 1.625 pixels per unit.
constexpr int kWidth = 390;
constexpr int kHeight = 120;

}  // namespace

ProgressWindow::ProgressWindow() = default;

ProgressWindow::~ProgressWindow()
{
    DestroyWindow();
}

void ProgressWindow::CreateWindow(QWidget* owner)
{
    if (m_window)
        return;
    // Not a child of the page: the page and the main window are disabled while it shows, and
    // it must not be disabled with them. It stays above them as their transient.
    auto* dialog = new QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    dialog->setWindowTitle(tr("Status"));
    dialog->setFixedSize(kWidth, kHeight);
    auto* layout = new QVBoxLayout(dialog);
    m_statusText = new QLabel(dialog);
    m_statusText->setMinimumWidth(kWidth - 40);
    m_progressBar = new QProgressBar(dialog);
    m_progressBar->setTextVisible(false);
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_cancelButton = new QPushButton(tr("Cancel"), dialog);
    m_cancelButton->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancelButton);
    buttons->addStretch();
    layout->addWidget(m_statusText);
    layout->addWidget(m_progressBar);
    layout->addLayout(buttons);
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { RequestCancel(true); });
    dialog->installEventFilter(this);
    if (owner) {
        dialog->winId();
        if (QWidget* top = owner->window(); top && top->windowHandle())
            dialog->windowHandle()->setTransientParent(top->windowHandle());
        dialog->move(owner->window()->geometry().topLeft() + QPoint(100, 100));
    }
    m_window = dialog;
    m_windowAlive = true;
    m_cancelled = false;
    ++m_generation;
    SetStatusText(kStartingDownloadText);
}

void ProgressWindow::DestroyWindow()
{
    m_windowAlive = false;
    if (m_window) {
        m_window->removeEventFilter(this);
        delete m_window.data();
    }
    m_window = nullptr;
    m_statusText = nullptr;
    m_progressBar = nullptr;
    m_cancelButton = nullptr;
}

void ProgressWindow::ShowWindow()
{
    if (m_window) {
        m_window->show();
        m_window->raise();
    }
}

void ProgressWindow::DisableCancel()
{
    if (m_cancelButton) {
        m_cancelButton->setEnabled(false);
        m_cancelButton->hide();
    }
}

void ProgressWindow::RequestCancel(bool buttonFeedback)
{
    if (!m_cancelButton || !m_cancelButton->isEnabled())
        return;
    // The operation hears of it first: it goes on while the button shows itself pressed, and a
    // send must not reach the download that clears the handset's book in those 100 ms.
    m_cancelled = true;
    m_cancelEvent.Set();
    if (m_cancelTextId != 0)
        SetStatusText(m_cancelTextId);
    if (buttonFeedback) {
        m_cancelButton->setFocus();
        m_cancelButton->setDown(true);
        m_cancelButton->repaint();
        QThread::msleep(100);
        m_cancelButton->setDown(false);
    }
}

bool ProgressWindow::PassedToOwnThread(const std::function<void()>& call)
{
    if (QThread::currentThread() == thread())
        return false;
    // From an operation's worker: the widgets are touched on their own thread, in the order
    // the calls were made (the step notices travel the same way), and only while the window
    // they were meant for shows: a late one never lands in the next operation's.
    const int generation = m_generation;
    QMetaObject::invokeMethod(
        this,
        [this, call, generation] {
            if (generation == m_generation)
                call();
        },
        Qt::QueuedConnection);
    return true;
}

void ProgressWindow::SetStatusText(const QString& text)
{
    if (PassedToOwnThread([this, text] { SetStatusText(text); }))
        return;
    if (!m_statusText)
        return;
    // One line that ends with an ellipsis when it is too long.
    m_statusText->setText(m_statusText->fontMetrics().elidedText(text, Qt::ElideRight, kWidth - 40));
    m_statusText->setProperty("fullText", text);
}

void ProgressWindow::SetRange(int low, int high)
{
    if (PassedToOwnThread([this, low, high] { SetRange(low, high); }))
        return;
    if (m_progressBar)
        m_progressBar->setRange(static_cast<std::int16_t>(low), static_cast<std::int16_t>(high));
}

void ProgressWindow::SetStep(int step)
{
    if (PassedToOwnThread([this, step] { SetStep(step); }))
        return;
    m_step = step;
}

void ProgressWindow::ResetPosition()
{
    if (PassedToOwnThread([this] { ResetPosition(); }))
        return;
    if (m_progressBar)
        m_progressBar->setValue(m_progressBar->minimum());
}

void ProgressWindow::WaitUntil(Event& finished)
{
    // The window's own event loop runs until the operation ends, as a dialog's does while it is
    // open: it paints, steps the bar and takes Cancel and Esc. The pages keep out meanwhile
    // (they are disabled, and handset notices wait for the end).
    // A Cancel pressed since the window opened holds for the operation, even when it came
    // before the operation started.
    if (m_cancelled)
        m_cancelEvent.Set();
    QEventLoop loop;
    QSocketNotifier done(finished.Fd(), QSocketNotifier::Read);
    connect(&done, &QSocketNotifier::activated, &loop, &QEventLoop::quit);
    while (!finished.IsSet()) {
        // No loop can run once the application is on its way out: then wait without one.
        if (loop.exec() < 0) {
            finished.Wait(-1);
            return;
        }
    }
}

void ProgressWindow::PostStep()
{
    QCoreApplication::postEvent(this, new QEvent(ProgressStepEvent));
}

void ProgressWindow::customEvent(QEvent* event)
{
    if (event->type() != ProgressStepEvent || !m_windowAlive || !m_progressBar)
        return;
    // Like a Windows progress bar, stepping past the end starts again at the beginning.
    int next = m_progressBar->value() + m_step;
    if (next > m_progressBar->maximum())
        next = m_progressBar->minimum() + (next - m_progressBar->maximum());
    m_progressBar->setValue(next);
}

bool ProgressWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::KeyPress) {
            const auto key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Escape) {
                RequestCancel(false);
                return true;
            }
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                return true;
        }
        if (event->type() == QEvent::Close) {
            RequestCancel(false);
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QString ProgressWindow::StatusText() const
{
    return m_statusText ? m_statusText->property("fullText").toString() : QString();
}

int ProgressWindow::Position() const
{
    return m_progressBar ? m_progressBar->value() : 0;
}

bool ProgressWindow::CancelVisible() const
{
    return m_cancelButton && m_cancelButton->isEnabled() && !m_cancelButton->isHidden();
}
