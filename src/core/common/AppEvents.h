#pragma once

#include <QEvent>

// Notices posted between threads and windows. The offsets from QEvent::User keep the numbers
// that the handset notices have always had (user message + 1 and + 2).
//
// ProgressStepEvent: one unit of an operation's work done; the progress window steps its bar.
// HandsetChangedEvent: devices came or went and the scan that followed has ended; the window
// passes it to the visible page, which reads the handset state again.
inline constexpr QEvent::Type ProgressStepEvent = static_cast<QEvent::Type>(QEvent::User + 1);
inline constexpr QEvent::Type HandsetChangedEvent = static_cast<QEvent::Type>(QEvent::User + 2);
