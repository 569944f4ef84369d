#include "core/common/ErrorText.h"

#include <cstring>

std::string ErrorText(int error)
{
    char buffer[256] = {};
    // The GNU form returns the text, which may or may not be in the buffer.
    return ::strerror_r(error, buffer, sizeof buffer);
}
