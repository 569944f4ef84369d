#pragma once

#include <string>

// The system's text for an errno value. Safe on any thread, unlike std::strerror.
std::string ErrorText(int error);
