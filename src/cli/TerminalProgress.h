#pragma once

#include "core/common/ProgressDisplay.h"

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>

// The progress of a transfer as one line on a terminal: a bar, the percentage and the status
// text. Draws nothing when the output is not a terminal.
class TerminalProgress final : public ProgressDisplay {
public:
    TerminalProgress(std::FILE* out, bool draw);
    ~TerminalProgress() override;

    void SetStatusText(const QString& text) override;
    void SetRange(int low, int high) override;
    void SetStep(int step) override;
    void ResetPosition() override;
    void PostStep() override;
    void WaitUntil(Event& finished) override;

    // Ends the line, if one was drawn, so that what follows starts on a fresh one.
    void Finish();

private:
    // With m_mutex held: the operation's worker and the waiting thread both draw.
    void Draw();

    std::mutex m_mutex;
    std::FILE* m_out;
    bool m_draw;
    int m_low = 0;
    int m_high = 100;
    int m_step = 10;
    std::atomic<int> m_steps{0};
    QString m_text;
    std::string m_lastLine;
};
