#pragma once

#include <thread>

struct ImageLoadRequest;

// Runs one picture load on a thread of its own, so that the user-interface thread keeps
// painting its progress window meanwhile. The request's done event is set last, whatever
// happens; a failure thrown inside the load counts as result 1. Destroying the worker waits
// for the thread.
class ImageLoadWorker {
public:
    ImageLoadWorker() = default;
    ~ImageLoadWorker() { Join(); }
    ImageLoadWorker(const ImageLoadWorker&) = delete;
    ImageLoadWorker& operator=(const ImageLoadWorker&) = delete;

    // Resets the done event and starts the load. False when no thread can be started: then the
    // result is 1 and the done event is set.
    bool Start(ImageLoadRequest& request);
    void Join();

    // Starts the load and waits for it, for callers that have nothing to do meanwhile.
    static int Run(ImageLoadRequest& request);

private:
    std::thread m_thread;
};
