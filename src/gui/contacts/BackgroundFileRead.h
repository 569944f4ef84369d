#pragma once

#include <QString>

#include <memory>

class DelimitedFile;
class FileFailure;
class QWidget;

// Reads a contacts file on a worker thread while the window stays alive. A read that takes
// longer than a moment shows the progress window over `owner`. Null when the file could not
// be read; then `failure`, when given, says which file and why.
std::shared_ptr<DelimitedFile> ReadInBackground(QWidget* owner, const QString& path, FileFailure* failure = nullptr);
