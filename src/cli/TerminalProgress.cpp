#include "cli/TerminalProgress.h"

#include "cli/CancelOnInterrupt.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>

namespace {

constexpr int kBarWidth = 30;
// "[" bar "] " and "100% ".
constexpr int kBeforeText = kBarWidth + 3 + 5;
// The text's room on a terminal that does not say how wide it is.
constexpr int kTextWidth = 44;
constexpr int kRedrawMs = 50;

// The status text's room on the line: what the terminal's width leaves, so that a longer
// language's text is not cut short needlessly, and the line never wraps.
int TextRoom(std::FILE* out)
{
    winsize size{};
    if (::ioctl(::fileno(out), TIOCGWINSZ, &size) != 0 || size.ws_col <= kBeforeText + 1)
        return kTextWidth;
    return size.ws_col - kBeforeText - 1;
}

// `text` within `room` characters: cut with an ellipsis when longer.
QString Fitted(const QString& text, int room)
{
    if (text.size() <= room)
        return text;
    return text.left(std::max(0, room - 1)).trimmed() + QChar(0x2026);
}

}  // namespace

TerminalProgress::TerminalProgress(std::FILE* out, bool draw) : m_out(out), m_draw(draw) {}

TerminalProgress::~TerminalProgress()
{
    Finish();
}

void TerminalProgress::SetStatusText(const QString& text)
{
    std::lock_guard lock(m_mutex);
    m_text = text;
    Draw();
}

void TerminalProgress::SetRange(int low, int high)
{
    std::lock_guard lock(m_mutex);
    m_low = low;
    m_high = high;
    Draw();
}

void TerminalProgress::SetStep(int step)
{
    std::lock_guard lock(m_mutex);
    m_step = step;
}

void TerminalProgress::ResetPosition()
{
    std::lock_guard lock(m_mutex);
    m_steps = 0;
    Draw();
}

void TerminalProgress::WaitUntil(Event& finished)
{
    // Ctrl+C sets the cancel token from the signal handler; looking again here as well keeps
    // it set for the operation however early it came.
    for (;;) {
        if (CancelOnInterrupt::Interrupted())
            m_cancelEvent.Set();
        if (finished.Wait(kRedrawMs))
            return;
        std::lock_guard lock(m_mutex);
        Draw();
    }
}

void TerminalProgress::PostStep()
{
    m_steps.fetch_add(1, std::memory_order_relaxed);
}

void TerminalProgress::Draw()
{
    if (!m_draw)
        return;
    const int span = std::max(1, m_high - m_low);
    const int done = std::clamp(m_steps.load(std::memory_order_relaxed) * m_step, 0, span);
    const int filled = done * kBarWidth / span;
    std::string line = "\r[" + std::string(static_cast<std::size_t>(filled), '#') +
                       std::string(static_cast<std::size_t>(kBarWidth - filled), ' ') + "] ";
    char percent[16];
    std::snprintf(percent, sizeof percent, "%3d%% ", done * 100 / span);
    line += percent;
    line += Fitted(m_text, TextRoom(m_out)).toStdString();
    line += "\033[K";
    if (line == m_lastLine)
        return;
    m_lastLine = line;
    std::fputs(line.c_str(), m_out);
    std::fflush(m_out);
}

void TerminalProgress::Finish()
{
    std::lock_guard lock(m_mutex);
    // The bar may have last been drawn short of its end; clear it rather than leave, say, 71 %
    // above the result.
    if (m_draw && !m_lastLine.empty()) {
        std::fputs("\r\033[K", m_out);
        std::fflush(m_out);
        m_lastLine.clear();
    }
}
