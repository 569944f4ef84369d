#include "gui/contacts/BackgroundFileRead.h"

#include "gui/shell/BackgroundWork.h"

#include "core/contacts/DelimitedFile.h"

#include <QCoreApplication>
#include <QFileInfo>

std::shared_ptr<DelimitedFile> ReadInBackground(QWidget* owner, const QString& path, FileFailure* failure)
{
    auto file = std::make_shared<DelimitedFile>();
    bool read = false;
    // The read cannot be stopped part way; it is bounded by the file's size instead.
    RunInBackground(owner,
                    QCoreApplication::translate("ImportMappingPage", "Reading %1...").arg(QFileInfo(path).fileName()),
                    BackgroundCancel::NotOffered, [&](ProgressDisplay&) { read = file->Read(path); });
    if (read)
        return file;
    if (failure)
        *failure = file->Failure();
    return nullptr;
}
