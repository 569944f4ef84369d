#pragma once

#include <QLoggingCategory>

// Diagnostics that the Windows program sent to the debugger. Silent unless enabled, e.g.
// QT_LOGGING_RULES="orvak.dialbook.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcDialbook)
