#pragma once

#include "core/common/ProgressDisplay.h"

#include <QStringList>

#include <atomic>
#include <functional>
#include <utility>
#include <vector>

// A progress display that remembers what it was told, for tests to read.
class RecordingProgress final : public ProgressDisplay {
public:
    void SetStatusText(const QString& text) override
    {
        texts.append(text);
        if (onText)
            onText(text);
    }
    void SetRange(int low, int high) override { ranges.emplace_back(low, high); }
    void SetStep(int step) override { this->step = step; }
    void ResetPosition() override { ++resets; }
    void PumpMessages() override
    {
        ++pumps;
        if (onPump)
            onPump();
    }
    void PostStep() override { steps.fetch_add(1); }

    QStringList texts;
    std::vector<std::pair<int, int>> ranges;
    int step = 0;
    int resets = 0;
    int pumps = 0;
    std::atomic<int> steps{0};
    std::function<void(const QString&)> onText;
    std::function<void()> onPump;
};
