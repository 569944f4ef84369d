#pragma once

#include "core/common/Event.h"
#include "core/common/FileFailure.h"

#include <QString>

class ImageEditor;
class ProgressDisplay;

// What the load worker is given: one picture file to decode into one canvas. Only one load runs
// at a time; the page waits on `done` while the worker runs.
struct ImageLoadRequest {
    QString path;
    QString name;                          // the file-name part, shown and used for the save name
    ProgressDisplay* notify = nullptr;     // gets one step right after decoding, success or not
    int result = 0;                        // 0 once loaded; otherwise the failing step's status
    // Why the load failed; or, loaded, that the picture is damaged (Cause::PictureDamaged).
    FileFailure failure;
    ImageEditor* canvas = nullptr;
    Event done{Event::Mode::ManualReset};  // set last, when the worker ends
};
