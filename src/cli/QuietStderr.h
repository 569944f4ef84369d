#pragma once

#include "core/common/UniqueFd.h"

// While it lives, what is written to the process's standard error goes nowhere: libpng and
// libtiff write their complaints about a damaged picture there themselves, past Qt's message
// handler. The command says what matters in its own words once this is gone. Only for the
// command line, where nothing else writes meanwhile.
class QuietStderr {
public:
    QuietStderr();
    ~QuietStderr();
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

private:
    UniqueFd m_saved;
};
