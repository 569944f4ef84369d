#pragma once

#include <QEvent>

// Notices posted between threads and windows. The offsets from QEvent::User keep the
// numbers of the Windows messages they stand for (WM_USER + 1 and WM_USER + 2).
inline constexpr QEvent::Type WM_PROGRESS_STEP = static_cast<QEvent::Type>(QEvent::User + 1);
inline constexpr QEvent::Type WM_HANDSET_CHANGED = static_cast<QEvent::Type>(QEvent::User + 2);
