#include "gui/contacts/BackgroundFileRead.h"

#include "gui/shell/ProgressWindow.h"

#include "core/common/Event.h"
#include "core/contacts/DelimitedFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <thread>

namespace {

// A read this short shows no window: it would only flicker.
constexpr int kShowAfterMs = 300;

}  // namespace

std::shared_ptr<DelimitedFile> ReadInBackground(QWidget* owner, const QString& path, FileFailure* failure)
{
    auto file = std::make_shared<DelimitedFile>();
    const auto result = [&](bool read) -> std::shared_ptr<DelimitedFile> {
        if (read)
            return file;
        if (failure)
            *failure = file->Failure();
        return nullptr;
    };
    Event finished(Event::Mode::ManualReset);
    if (!finished.IsValid())
        return result(file->Read(path));
    auto read = std::make_shared<bool>(false);
    // The worker holds its own share of the reading and of nothing else of ours.
    std::thread worker([file, path, read, &finished] {
        *read = file->Read(path);
        finished.Set();
    });
    // The wizard keeps still meanwhile: a second Next must not start a second read.
    QPointer<QWidget> top = owner ? owner->window() : nullptr;
    const bool wasEnabled = top && top->isEnabled();
    if (top)
        top->setEnabled(false);
    ProgressWindow progress;
    progress.CreateWindow(owner);
    progress.SetRange(0, 0);
    // The read cannot be stopped part way; it is bounded by the file's size instead.
    progress.DisableCancel();
    progress.SetStatusText(QCoreApplication::translate("ImportMappingPage", "Reading %1...")
                               .arg(QFileInfo(path).fileName()));
    QTimer show;
    show.setSingleShot(true);
    QObject::connect(&show, &QTimer::timeout, &progress, [&progress] { progress.ShowWindow(); });
    show.start(kShowAfterMs);
    progress.WaitUntil(finished);
    show.stop();
    worker.join();
    progress.DestroyWindow();
    if (top && wasEnabled)
        top->setEnabled(true);
    return result(*read);
}
