#include "core/picture/ImageLoadWorker.h"

#include "core/picture/ImageEditor.h"
#include "core/picture/ImageLoadRequest.h"

#include <system_error>

namespace {

constexpr int kLoadFailed = 1;

void RunLoad(ImageLoadRequest& request)
{
    try {
        request.result = request.canvas ? request.canvas->LoadImageFile(request) : kLoadFailed;
    } catch (...) {
        request.result = kLoadFailed;
    }
    request.done.Set();
}

}  // namespace

bool ImageLoadWorker::Start(ImageLoadRequest& request)
{
    Join();
    request.done.Reset();
    request.result = 0;
    try {
        m_thread = std::thread(RunLoad, std::ref(request));
    } catch (const std::system_error&) {
        request.result = kLoadFailed;
        request.done.Set();
        return false;
    }
    return true;
}

void ImageLoadWorker::Join()
{
    if (m_thread.joinable())
        m_thread.join();
}

int ImageLoadWorker::Run(ImageLoadRequest& request)
{
    ImageLoadWorker worker;
    if (worker.Start(request))
        request.done.Wait(-1);
    worker.Join();
    return request.result;
}
