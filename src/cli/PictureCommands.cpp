#include "cli/PictureCommands.h"

#include "cli/CancelOnInterrupt.h"
#include "cli/QuietStderr.h"
#include "cli/TerminalProgress.h"

#include "core/common/StringTable.h"
#include "core/picture/Bmp565Writer.h"
#include "core/picture/ImageEditor.h"
#include "core/picture/ImageLoadRequest.h"
#include "core/picture/ImageLoadWorker.h"
#include "core/picture/ImageTransfer.h"
#include "core/transfer/HandsetOperation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Loads the picture as the image page does (canvas 426 x 300, frame 128 x 128 centred, white
// background) and applies the steps. False when it cannot be loaded, with `failure` saying why;
// a damaged picture that loaded in part is used, and said.
bool Prepare(const CommandConsole& console, const QString& in, const PictureSteps& s, ImageHandle& handset,
             FileFailure& failure)
{
    ImageEditor editor;
    ImageLoadRequest request;
    request.path = in;
    request.name = QFileInfo(in).fileName();
    request.canvas = &editor;
    {
        // Some decoders (libpng, libtiff) write their complaints straight to the terminal.
        const QuietStderr quiet;
        if (ImageLoadWorker::Run(request) != ImageEditor::kLoaded) {
            failure = request.failure;
            return false;
        }
    }
    if (request.failure.IsSet())
        std::fprintf(console.err, "%s\n", qPrintable(request.failure.Text()));
    for (PictureSteps::Step step : s.steps) {
        switch (step) {
        case PictureSteps::Step::RotateLeft: editor.RotateLeft(); break;
        case PictureSteps::Step::RotateRight: editor.RotateRight(); break;
        case PictureSteps::Step::ZoomIn: editor.ZoomIn(); break;
        case PictureSteps::Step::ZoomOut: editor.ZoomOut(); break;
        }
    }
    if (s.frame)
        editor.PlaceFrame(s.frame->x(), s.frame->y());
    editor.SetBrightnessContrast(s.brightness, s.contrast);
    editor.SetColorBalance(s.red, s.green, s.blue);
    return editor.GetHandsetImage(handset);
}

}  // namespace

int RunPictureCommand(const CommandConsole& console, const QString& in, const QString& out, const PictureSteps& steps)
{
    ImageHandle handset;
    if (FileFailure failure; !Prepare(console, in, steps, handset, failure))
        return ReportFailure(console, Msg::ImageNotLoaded, failure);
    // The name says the format: PNG for a picture to look at, BMP as the handset stores it.
    if (QFileInfo(out).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0) {
        QSaveFile file(out);
        if (!file.open(QIODevice::WriteOnly))
            return ReportFailure(console, Msg::ImageNotSaved, FileFailure::OfWrite(out, file.errorString()));
        if (!handset.Image().save(&file, "PNG") || !file.commit())
            return ReportFailure(console, Msg::ImageNotSaved, FileFailure::OfWrite(out, file.errorString()));
    } else if (FindImageEncoder(QStringLiteral("image/bmp")) < 0) {
        return ReportFailure(console, Msg::ImageNotSaved);
    } else if (QString error; !WriteBmp565(out, handset, &error)) {
        // Without the system's reason the file was never written to: the picture itself failed.
        return ReportFailure(console, Msg::ImageNotSaved, error.isEmpty() ? FileFailure() : FileFailure::OfWrite(out, error));
    }
    std::fprintf(console.out, "%s\n",
                 qPrintable(QCoreApplication::translate("PictureCommands", "Wrote the handset picture to %1").arg(out)));
    return 0;
}

int RunSendPictureCommand(const CommandConsole& console, const QString& in, const PictureSteps& steps)
{
    ImageHandle handset;
    if (FileFailure failure; !Prepare(console, in, steps, handset, failure))
        return ReportFailure(console, Msg::ImageNotLoaded, failure);
    TerminalProgress progress(console.err, console.showProgress);
    CancelOnInterrupt interrupt(progress.CancelEvent());
    ImageTransfer transfer;
    transfer.SetProgressDialog(&progress);
    const Msg sent = HandsetOperation::Run(progress, [&] { return transfer.SendImage(&handset, std::string()); });
    progress.Finish();
    if (sent != Msg::Ok)
        return ReportFailure(console, sent);
    std::fprintf(console.out, "%s\n",
                 qPrintable(QCoreApplication::translate("PictureCommands", "Sent the picture to the handset")));
    return 0;
}
