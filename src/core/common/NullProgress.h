#pragma once

#include "core/common/ProgressDisplay.h"

// Shows nothing: for an operation that nobody watches. It can still be cancelled.
class NullProgress final : public ProgressDisplay {
public:
    void SetStatusText(const QString&) override {}
    void SetRange(int, int) override {}
    void SetStep(int) override {}
    void ResetPosition() override {}
    void PostStep() override {}
};
