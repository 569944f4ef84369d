#include "core/picture/DecodeWarnings.h"

#include <QtGlobal>

#include <atomic>
#include <cstdio>
#include <mutex>

namespace {

// The logging category of Qt's JPEG decoder, through which libjpeg's messages come.
constexpr const char* kJpegCategory = "qt.gui.imageio.jpeg";

thread_local DecodeWarnings* t_current = nullptr;
std::atomic<QtMessageHandler> g_previous{nullptr};

}  // namespace

struct DecodeWarningsHandler {
    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        // Only what a decoder says while this thread decodes; a fatal message is never swallowed.
        if (DecodeWarnings* w = t_current; w && type != QtFatalMsg) {
            w->m_lines.append(message);
            if (type != QtDebugMsg && type != QtInfoMsg && context.category && qstrcmp(context.category, kJpegCategory) == 0)
                w->m_damaged = true;
            return;
        }
        if (const QtMessageHandler previous = g_previous.load())
            previous(type, context, message);
        else
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
};

DecodeWarnings::DecodeWarnings()
{
    // Installed once for the whole process and left in place: putting the previous handler back
    // after each decode would race with decodes on other threads and with whoever installs one.
    static std::once_flag installed;
    std::call_once(installed, [] { g_previous.store(qInstallMessageHandler(&DecodeWarningsHandler::Handle)); });
    m_outer = t_current;
    t_current = this;
}

DecodeWarnings::~DecodeWarnings()
{
    t_current = m_outer;
    if (m_outer) {
        m_outer->m_lines.append(m_lines);
        m_outer->m_damaged = m_outer->m_damaged || m_damaged;
    }
}
