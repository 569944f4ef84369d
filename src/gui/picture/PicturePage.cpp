#include "gui/picture/PicturePage.h"

#include "gui/picture/BrightnessContrastDialog.h"
#include "gui/picture/ColorBalanceDialog.h"
#include "gui/picture/HandsetPreview.h"
#include "gui/picture/PictureCanvas.h"

#include "gui/shell/PictureButton.h"
#include "gui/shell/PictureIds.h"
#include "gui/shell/UserPrompts.h"
#include "gui/shell/WelcomePage.h"

#include "core/common/DocumentsFolder.h"
#include "core/common/StringTable.h"
#include "core/picture/Bmp565Writer.h"
#include "core/picture/ImageTransfer.h"
#include "core/transfer/HandsetOperation.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

namespace {

constexpr std::uint32_t kOpenFilter = 116;
constexpr std::uint32_t kSaveFilter = 159;
constexpr std::uint32_t kWebLinkTip = 269;
constexpr int kLoadRange = 110;

// Where the canvas and the preview go on the page.
constexpr QRect kCanvasPlace(173, 73, 426, 300);
constexpr QRect kPreviewPlace(6, 276, 128, 128);

struct ButtonPlace {
    int id;
    QRect place;
    int in, out, disabled;
    std::uint32_t tip;
    const char* name;  // for screen readers
};

// Where each button goes, its pictures and its tool tip.
const ButtonPlace kButtons[] = {
    {PicturePage::kOpen, {170, 48, 105, 19}, picture::kPictureOpenIn, picture::kPictureOpenOut, 0, 105,
     QT_TRANSLATE_NOOP("PicturePage", "Open")},
    {PicturePage::kSave, {285, 48, 105, 19}, picture::kPictureSaveIn, picture::kPictureSaveOut,
     picture::kPictureSaveDisabled, 106, QT_TRANSLATE_NOOP("PicturePage", "Save")},
    {PicturePage::kZoomIn, {96, 105, 35, 31}, picture::kZoomInIn, picture::kZoomInOut, picture::kZoomInDisabled, 108,
     QT_TRANSLATE_NOOP("PicturePage", "Zoom in")},
    {PicturePage::kZoomOut, {61, 105, 35, 31}, picture::kZoomOutIn, picture::kZoomOutOut, picture::kZoomOutDisabled,
     109, QT_TRANSLATE_NOOP("PicturePage", "Zoom out")},
    {PicturePage::kRotateLeft, {61, 144, 35, 31}, picture::kRotateLeftIn, picture::kRotateLeftOut,
     picture::kRotateLeftDisabled, 110, QT_TRANSLATE_NOOP("PicturePage", "Rotate left")},
    {PicturePage::kRotateRight, {96, 144, 36, 31}, picture::kRotateRightIn, picture::kRotateRightOut,
     picture::kRotateRightDisabled, 111, QT_TRANSLATE_NOOP("PicturePage", "Rotate right")},
    {PicturePage::kBrightnessContrast, {96, 182, 36, 30}, picture::kBrightnessIn, picture::kBrightnessOut,
     picture::kBrightnessDisabled, 112, QT_TRANSLATE_NOOP("PicturePage", "Brightness and contrast")},
    {PicturePage::kColorBalance, {96, 220, 36, 30}, picture::kColorBalanceIn, picture::kColorBalanceOut,
     picture::kColorBalanceDisabled, 113, QT_TRANSLATE_NOOP("PicturePage", "Color balance")},
    {PicturePage::kSend, {96, 67, 34, 31}, picture::kSendIn, picture::kSendOut, picture::kSendDisabled, 114,
     QT_TRANSLATE_NOOP("PicturePage", "Send to phone")},
    {PicturePage::kWebLink, {200, 390, 387, 33}, picture::kWebLinkIn, picture::kWebLinkOut, 0, kWebLinkTip,
     QT_TRANSLATE_NOOP("PicturePage", "Orvak web site")},
};

constexpr int kEditButtons[] = {PicturePage::kSave,         PicturePage::kZoomIn,      PicturePage::kZoomOut,
                                PicturePage::kRotateLeft,   PicturePage::kRotateRight, PicturePage::kBrightnessContrast,
                                PicturePage::kColorBalance};

// The wait cursor for as long as it lives.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

bool SameFile(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo fa(a), fb(b);
    if (fa.absoluteFilePath().compare(fb.absoluteFilePath(), Qt::CaseInsensitive) == 0)
        return true;
    // The same file reached through a link.
    return fa.exists() && fa.canonicalFilePath() == fb.canonicalFilePath();
}

}  // namespace

PicturePage::PicturePage(QWidget* parent) : TabPage(parent)
{
    for (const ButtonPlace& place : kButtons) {
        auto* button = new PictureButton(this);
        button->setObjectName(QStringLiteral("button%1").arg(place.id));
        m_buttons[place.id] = button;
    }
    m_canvas = new PictureCanvas(kCanvasPlace, kBackground, this);
    m_canvas->setObjectName(QStringLiteral("canvas"));
}

PicturePage::~PicturePage()
{
    m_loadWorker.Join();
}

void PicturePage::SetUpUi()
{
    TabPage::SetUpUi();
    for (const ButtonPlace& place : kButtons) {
        SetUpButton(m_buttons[place.id], place.place, place.in, place.out, place.disabled, place.tip,
                    place.id == kWebLink);
        m_buttons[place.id]->setAccessibleName(tr(place.name));
    }
    m_buttons[kSend]->setEnabled(false);
    EnableEditButtons(false);
    connect(m_buttons[kOpen], &QAbstractButton::clicked, this, &PicturePage::OnOpen);
    connect(m_buttons[kSave], &QAbstractButton::clicked, this, &PicturePage::OnSave);
    connect(m_buttons[kZoomIn], &QAbstractButton::clicked, m_canvas, &PictureCanvas::ZoomIn);
    connect(m_buttons[kZoomOut], &QAbstractButton::clicked, m_canvas, &PictureCanvas::ZoomOut);
    connect(m_buttons[kRotateLeft], &QAbstractButton::clicked, m_canvas, &PictureCanvas::RotateLeft);
    connect(m_buttons[kRotateRight], &QAbstractButton::clicked, m_canvas, &PictureCanvas::RotateRight);
    connect(m_buttons[kBrightnessContrast], &QAbstractButton::clicked, this, &PicturePage::OnBrightnessContrast);
    connect(m_buttons[kColorBalance], &QAbstractButton::clicked, this, &PicturePage::OnColorBalance);
    connect(m_buttons[kSend], &QAbstractButton::clicked, this, &PicturePage::OnSend);

    m_canvas->SetFrame(ImageEditor::kHandsetSize, ImageEditor::kHandsetSize, QColor::fromRgba(kFrameColour),
                       kFramePenWidth);
    MarkFocusAround(m_canvas);
    HandsetPreview* preview = m_canvas->CreatePreview(kPreviewPlace, this);
    preview->setObjectName(QStringLiteral("preview"));
    setAcceptDrops(true);
}

PictureButton* PicturePage::Button(int id) const
{
    const auto it = m_buttons.find(id);
    return it == m_buttons.end() ? nullptr : it->second;
}

HandsetPreview* PicturePage::Preview() const
{
    return m_canvas->Preview();
}

bool PicturePage::HasImage() const
{
    return m_canvas->HasImage();
}

void PicturePage::EnableEditButtons(bool on)
{
    for (int id : kEditButtons)
        m_buttons[id]->setEnabled(on);
}

void PicturePage::UpdateSendButton()
{
    m_handsetReady = SupportedHandsetAttached();
    m_buttons[kSend]->setEnabled(m_handsetReady && HasImage());
    ShowHandsetState(tr("Pictures for this handset model (0x%1) are not supported in this window; use the dialbook "
                        "command: %2"),
                     tr("dialbook send-picture PICTURE"));
}

QString PicturePage::SampleImagesFolder()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (programFolder.isEmpty())
        return {};
    const QString name = LoadString(Msg::SampleImages);
    for (const QString& folder : {programFolder + u'/' + name,
                                  programFolder + QStringLiteral("/../share/orvak-dialbook/") + name}) {
        if (QFileInfo(folder).isDir())
            return QDir::cleanPath(folder);
    }
    return {};
}

QString PicturePage::MyPicturesFolder()
{
    return ProgramDocumentsFolder(Msg::MyPictures);
}

void PicturePage::OnOpen()
{
    if (IsBusy())
        return;
    const QString folder = m_firstOpen ? SampleImagesFolder() : QString();
    // On Linux, JPEG and TIFF files end in .jpeg and .tiff as often as in .jpg and .tif.
    QString filter = QtFileFilter(kOpenFilter);
    filter.replace(QStringLiteral("*.jpg"), QStringLiteral("*.jpg *.jpeg"));
    filter.replace(QStringLiteral("*.tif"), QStringLiteral("*.tif *.tiff"));
    const QString path = UserPrompts::Current().OpenFileName(this, folder, filter);
    if (!path.isEmpty())
        LoadPicture(QFileInfo(path).absoluteFilePath(), QFileInfo(path).fileName());
}

bool PicturePage::OpenFile(const QString& path)
{
    // The decoder owns the picture while an operation runs: nothing may start on it meanwhile.
    if (IsBusy())
        return false;
    const QFileInfo file(path);
    return LoadPicture(file.absoluteFilePath(), file.fileName());
}

bool PicturePage::LoadPicture(const QString& path, const QString& name)
{
    m_firstOpen = false;
    BeginProgress(0, ToId(Msg::LoadingImage));
    m_progressDialog.SetRange(0, kLoadRange);
    m_progressDialog.SetStep(1);
    m_request.path = path;
    m_request.name = name;
    m_request.notify = &m_progressDialog;
    m_request.canvas = &m_canvas->Editor();
    // The engine is the worker's until it ends: the canvas and the preview keep off it.
    m_canvas->SetBusy(true);
    if (m_loadWorker.Start(m_request))
        m_progressDialog.WaitUntil(m_request.done);
    m_loadWorker.Join();
    m_canvas->SetBusy(false);
    EndProgress();
    m_buttons[kOpen]->setFocus();

    if (m_request.result != 0) {
        ShowWarning(this, Msg::ImageNotLoaded, m_request.failure);
        m_statusBar->SetPaneText(0, LoadString(Msg::NoFileLoaded));
        EnableEditButtons(false);
        m_buttons[kSend]->setEnabled(false);
        return false;
    }
    m_currentPath = path;
    m_currentName = name;
    ShowPathInPane(path);
    EnableEditButtons(true);
    m_buttons[kSend]->setEnabled(SupportedHandsetAttached());
    // Said once the damaged picture is on show, so that the user sees what the warning is about.
    if (m_request.failure.IsSet())
        UserPrompts::Current().Ask(this, m_request.failure.Text(), UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
    return true;
}

void PicturePage::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

// Accepted over the whole page, children included, as long as it brings a file.
void PicturePage::dragMoveEvent(QDragMoveEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile())
        event->acceptProposedAction();
}

void PicturePage::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    // Only the first of several files; its type is left to the decoder to judge.
    OpenFile(urls.first().toLocalFile());
}

void PicturePage::OnSave()
{
    if (!HasImage() || IsBusy())
        return;
    const QString pictureName = m_canvas->PictureName();
    const QString proposed = MyPicturesFolder() + pictureName.section(u'.', 0, 0);
    const QString path =
        UserPrompts::Current().SaveFileName(this, proposed, QtFileFilter(kSaveFilter), QStringLiteral("bmp"));
    if (path.isEmpty())
        return;
    if (SameFile(path, m_currentPath)) {
        ShowWarning(this, ToId(Msg::CannotOverwriteOpenImage));
        return;
    }
    QString error;
    {
        WaitCursor wait;
        ImageHandle picture;
        if (!m_canvas->GetHandsetImage(picture)) {
            ShowWarning(this, ToId(Msg::ImageNotSaved));
            return;
        }
        if (FindImageEncoder(QStringLiteral("image/bmp")) >= 0 && WriteBmp565(path, picture, &error)) {
            m_statusBar->ShowMessage(tr("Saved to %1.").arg(QFileInfo(path).fileName()));
            return;
        }
    }
    // Without the system's reason the file was never written to: the picture itself failed.
    ShowWarning(this, Msg::ImageNotSaved, error.isEmpty() ? FileFailure() : FileFailure::OfWrite(path, error));
}

void PicturePage::OnSend()
{
    if (!HasImage() || IsBusy() || !SupportedHandsetAttached())
        return;
    repaint();
    ImageHandle picture;
    if (!m_canvas->GetHandsetImage(picture)) {
        ShowWarning(this, ToId(Msg::ImageNotRetrieved));
        return;
    }
    BeginProgress(ToId(Msg::CancelingImageDownload), ToId(Msg::RequestingImageSend));
    ImageTransfer transfer;
    transfer.SetProgressDialog(&m_progressDialog);
    const Msg result =
        HandsetOperation::Run(m_progressDialog, [&] { return transfer.SendImage(&picture, std::string()); });
    EndProgress();
    if (result == Msg::Ok)
        m_statusBar->ShowMessage(tr("Picture sent."));
    // A cancel by the user or by the handset needs no word.
    if (result != Msg::Ok && result != Msg::RefusedHandsetCanceledImage && result != Msg::Cancelled)
        ShowWarning(this, ToId(result));
}

void PicturePage::OnBrightnessContrast()
{
    if (!HasImage() || IsBusy())
        return;
    const ImageEditor& editor = m_canvas->Editor();
    const int brightness = editor.Brightness();
    const int contrast = editor.Contrast();
    BrightnessContrastDialog dialog(brightness, contrast, Preview(), this);
    if (dialog.exec() != QDialog::Accepted)
        Preview()->SetBrightnessContrast(brightness, contrast);
}

void PicturePage::OnColorBalance()
{
    if (!HasImage() || IsBusy())
        return;
    const ImageEditor& editor = m_canvas->Editor();
    const int red = editor.Red(), green = editor.Green(), blue = editor.Blue();
    ColorBalanceDialog dialog(red, green, blue, Preview(), this);
    if (dialog.exec() != QDialog::Accepted)
        Preview()->SetColorBalance(red, green, blue);
}

void PicturePage::showEvent(QShowEvent* event)
{
    TabPage::showEvent(event);
    UpdateSendButton();
}
