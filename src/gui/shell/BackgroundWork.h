#pragma once

#include <QString>

#include <functional>

class ProgressDisplay;
class QWidget;

// Whether the progress window offers Cancel (and takes Escape) for a piece of background work.
enum class BackgroundCancel { NotOffered, Offered };

// Runs `work` on a worker thread while the window stays alive, and returns when it has
// returned. Meanwhile `owner`'s window is disabled, so that a second Next or a second click
// cannot start a second run, and a run that takes longer than a moment shows the progress
// window over it with `status`. `work` may change the status text through the display it is
// given, from its own thread. With Cancel offered, the display's CancelEvent() is set once the
// user presses Cancel or Escape; `work` looks at it and returns soon after. The keyboard focus
// goes back where it was. False when the user cancelled.
//
// Whatever `work` makes that lives on a thread (a network client) is made and destroyed
// inside it.
bool RunInBackground(QWidget* owner, const QString& status, BackgroundCancel cancel,
                     const std::function<void(ProgressDisplay& progress)>& work);
