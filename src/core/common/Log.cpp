#include "core/common/Log.h"

Q_LOGGING_CATEGORY(lcDialbook, "orvak.dialbook", QtInfoMsg)
