#pragma once

#include "core/common/ProgressDisplay.h"

#include <QStringList>

#include <atomic>
#include <functional>
#include <utility>
#include <vector>

// A progress display that remembers what it was told, for tests to read once the operation has
// ended. The hooks run on the operation's thread, at the moment of the call.
class RecordingProgress final : public ProgressDisplay {
public:
    void SetStatusText(const QString& text) override
    {
        texts.append(text);
        if (onText)
            onText(text);
        Called();
    }
    void SetRange(int low, int high) override
    {
        ranges.emplace_back(low, high);
        Called();
    }
    void SetStep(int step) override { this->step = step; }
    void ResetPosition() override
    {
        ++resets;
        Called();
    }
    void PostStep() override
    {
        steps.fetch_add(1);
        Called();
    }
    void WaitUntil(Event& finished) override
    {
        ++waits;
        ProgressDisplay::WaitUntil(finished);
    }

    QStringList texts;
    std::vector<std::pair<int, int>> ranges;
    int step = 0;
    int resets = 0;
    int waits = 0;
    std::atomic<int> steps{0};
    // Every call the operation makes, counted from 1: a moment a test can act at.
    std::atomic<int> calls{0};
    std::function<void(const QString&)> onText;
    std::function<void(int call)> onCall;

private:
    void Called()
    {
        const int n = ++calls;
        if (onCall)
            onCall(n);
    }
};
