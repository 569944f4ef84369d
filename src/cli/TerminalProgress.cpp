#include "cli/TerminalProgress.h"

#include "cli/CancelOnInterrupt.h"

#include <algorithm>

namespace {

constexpr int kBarWidth = 30;
constexpr int kTextWidth = 44;
constexpr int kRedrawMs = 50;

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
    line += m_text.left(kTextWidth).toStdString();
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
