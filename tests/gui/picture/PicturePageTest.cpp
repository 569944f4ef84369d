// The picture page, offscreen, with the simulated handset and scripted dialogs.

#include "support/ScriptedPrompts.h"
#include "support/SimFixture.h"

#include "cli/PictureCommands.h"
#include "core/common/AppEvents.h"
#include "core/common/StringTable.h"
#include "core/handset/HandsetIds.h"
#include "core/picture/Rgb565.h"
#include "gui/picture/BrightnessContrastDialog.h"
#include "gui/picture/ColorBalanceDialog.h"
#include "gui/picture/HandsetPreview.h"
#include "gui/picture/PictureCanvas.h"
#include "gui/picture/PicturePage.h"
#include "gui/shell/PictureButton.h"
#include "gui/shell/PictureIds.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

using Page = PicturePage;

constexpr int kEditButtons[] = {Page::kSave,        Page::kZoomIn,       Page::kZoomOut,      Page::kRotateLeft,
                                Page::kRotateRight, Page::kBrightnessContrast, Page::kColorBalance};

// A picture with a different colour in each quarter and fine detail, so that any wrong turn,
// zoom or frame shows.
void WritePhoto(const QString& path, int width, int height)
{
    QImage photo(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            photo.setPixel(x, y, qRgb(x < width / 2 ? 230 : 20, y < height / 2 ? 200 : 40, (x * 7 + y * 3) & 0xFF));
    ASSERT_TRUE(photo.save(path));
}

// The handset picture's 5-6-5 words, row by row, from any picture file of it.
std::vector<quint16> Words(const QImage& image)
{
    std::vector<quint16> words;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            words.push_back(ToRgb565(rgb.pixel(x, y)));
    return words;
}

void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void SendKey(QWidget* w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(w, &press);
}

// Runs `act` on the modal dialog the page opens next, once it is up.
void OnNextDialog(const std::function<void(QDialog*)>& act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(dialog);
    });
}

class PicturePageTest : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        page = std::make_unique<PicturePage>();
        page->SetBackgroundBitmapId(picture::kImageBackground);
        page->resize(638, 435 + StatusBar::PaneHeight());
        page->SetUpUi();
        page->show();
        photo = Path("beach.photo.jpg");
        WritePhoto(photo, 900, 700);
    }
    void TearDown() override
    {
        page.reset();
        SimFixture::TearDown();
    }

    SimHandset& Handset(std::uint16_t product, SimConfig c = {})
    {
        c.productId = product;
        c.pictureFolder = dir.filePath(QStringLiteral("handset")).toStdString();
        SimHandset& h = StartHandset(c);
        std::uint16_t found = 0;
        HandsetLink::FindHandset(found, true);
        return h;
    }

    bool Enabled(int id) const { return page->Button(id)->isEnabled(); }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    const ImageEditor& Editor() const { return page->Canvas()->Editor(); }
    QRect Frame() const { return Editor().State().frame; }

    ScriptedPrompts prompts;
    QTemporaryDir dir;
    QString photo;
    std::unique_ptr<PicturePage> page;
};

TEST_F(PicturePageTest, ButtonsFollowTheLoadsAndTheHandset)
{
    // Before any load: Open and the web link only.
    EXPECT_TRUE(Enabled(Page::kOpen));
    EXPECT_TRUE(Enabled(Page::kWebLink));
    EXPECT_FALSE(Enabled(Page::kSend));
    for (int id : kEditButtons)
        EXPECT_FALSE(Enabled(id)) << id;
    for (int id : kEditButtons)
        EXPECT_FALSE(page->Button(id)->accessibleName().isEmpty()) << id;

    prompts.files = {photo};
    page->OnOpen();
    EXPECT_FALSE(page->FirstOpen());
    ASSERT_TRUE(page->HasImage());
    for (int id : kEditButtons)
        EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_FALSE(Enabled(Page::kSend)) << "no handset";
    EXPECT_EQ(page->CurrentPath(), photo);

    // A handset that shows no pictures leaves Send off; a 6392 turns it on at the next notice
    // while the page is shown.
    Handset(kProductId6217);
    QEvent notice(HandsetChangedEvent);
    QCoreApplication::sendEvent(page.get(), &notice);
    EXPECT_FALSE(Enabled(Page::kSend));
    StopHandset(0);
    Handset(kProductId6392);
    QCoreApplication::postEvent(page.get(), new QEvent(HandsetChangedEvent));
    QCoreApplication::processEvents();
    EXPECT_TRUE(Enabled(Page::kSend));
    EXPECT_TRUE(page->HandsetReady());

    // Dropping a text file and a picture: only the first counts, and it fails to load, which
    // leaves nothing loaded and every editing button off.
    const QString text = Path("notes.jpg");
    QFile notes(text);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("not a picture");
    notes.close();
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(text), QUrl::fromLocalFile(photo)});
    QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(300, 200), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page.get(), &drop);
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_TRUE(prompts.asked[0].startsWith(LoadString(Msg::ImageNotLoaded) + QStringLiteral("\n\"") + text +
                                            QStringLiteral("\": this is not a picture")))
        << prompts.asked[0].toStdString();
    EXPECT_EQ(page->StatusPane().PaneText(0), LoadString(Msg::NoFileLoaded));
    EXPECT_FALSE(page->HasImage());
    EXPECT_FALSE(Enabled(Page::kSend));
    for (int id : kEditButtons)
        EXPECT_FALSE(Enabled(id)) << id;
}

TEST_F(PicturePageTest, ADamagedPhotoOpensWithWhatCouldBeReadAndSaysSo)
{
    // Cut off halfway, as an interrupted copy leaves it.
    QFile whole(photo);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    const QString cut = Path("cut.jpg");
    QFile half(cut);
    ASSERT_TRUE(half.open(QIODevice::WriteOnly));
    half.write(bytes.left(bytes.size() / 2));
    half.close();

    // Through the Open dialog, whose filter offers every format the page opens.
    prompts.files = {cut};
    page->OnOpen();
    ASSERT_EQ(prompts.openFilters.size(), 1);
    const QStringList filters = prompts.openFilters[0].split(QStringLiteral(";;"));
    EXPECT_EQ(filters.value(0), QStringLiteral("All Graphic Files (*.bmp *.gif *.jpg *.jpeg *.tif *.tiff *.png *.webp "
                                               "*.svg *.svgz)"));
    EXPECT_TRUE(filters.contains(QStringLiteral("WebP Pictures (*.webp)"))) << filters.join(u'|').toStdString();
    EXPECT_TRUE(filters.contains(QStringLiteral("SVG Drawings (*.svg *.svgz)"))) << filters.join(u'|').toStdString();
    EXPECT_TRUE(page->HasImage());
    EXPECT_TRUE(Enabled(Page::kSave));
    EXPECT_EQ(prompts.asked,
              QStringList{QStringLiteral("\"%1\": the picture is damaged; the part that could be read is used.").arg(cut)});

    // The whole photo after it opens without a word.
    prompts.asked.clear();
    ASSERT_TRUE(page->OpenFile(photo));
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(PicturePageTest, SaveProposesTheNameRefusesTheOpenFileAndReportsTheSystemsReason)
{
    ASSERT_TRUE(page->OpenFile(photo));

    // The open file itself, spelled in another case, is refused before anything is written.
    prompts.files = {Path("BEACH.PHOTO.JPG")};
    page->OnSave();
    EXPECT_EQ(prompts.proposedNames.last(), Page::MyPicturesFolder() + QStringLiteral("beach"));
    EXPECT_TRUE(QDir(Page::MyPicturesFolder()).exists());
    EXPECT_EQ(prompts.asked.last(), LoadString(Msg::CannotOverwriteOpenImage));
    EXPECT_FALSE(QFile::exists(Path("BEACH.PHOTO.JPG")));

    // A name without an extension gets ".bmp"; the file is the framed 128 x 128 picture.
    prompts.asked.clear();
    prompts.files = {Path("framed")};
    page->OnSave();
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(page->StatusPane().PaneText(0), QStringLiteral("Saved to framed.bmp.")) << "said in the bar, no box";
    const QImage saved(Path("framed.bmp"));
    ASSERT_EQ(saved.size(), QSize(128, 128));
    ImageHandle shown;
    ASSERT_TRUE(page->Canvas()->GetHandsetImage(shown));
    EXPECT_EQ(Words(saved), Words(shown.Image()));

    // A folder that is not there: the system's reason, and no file.
    prompts.files = {Path("gone/framed.bmp")};
    page->OnSave();
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_FALSE(prompts.asked.last().isEmpty());
    EXPECT_NE(prompts.asked.last(), LoadString(Msg::ImageNotSaved));
    EXPECT_FALSE(QFile::exists(Path("gone/framed.bmp")));
}

TEST_F(PicturePageTest, SendStoresWhatTheCommandLineMakesOfTheSameSteps)
{
    SimHandset& h = Handset(kProductId6392);
    ASSERT_TRUE(page->OpenFile(photo));
    page->Button(Page::kZoomIn)->click();
    page->Button(Page::kZoomIn)->click();
    page->Button(Page::kRotateRight)->click();
    page->Canvas()->MoveFrameBy(37, -21);
    OnNextDialog([](QDialog* d) {
        static_cast<AdjustmentDialog*>(d)->Slider(BrightnessContrastDialog::kBrightnessSlider)->setValue(30);
        static_cast<AdjustmentDialog*>(d)->Slider(BrightnessContrastDialog::kContrastSlider)->setValue(-20);
        d->accept();
    });
    page->OnBrightnessContrast();
    OnNextDialog([](QDialog* d) {
        static_cast<AdjustmentDialog*>(d)->Slider(ColorBalanceDialog::kGreenSlider)->setValue(45);
        d->accept();
    });
    page->OnColorBalance();
    page->OnSend();
    Settle();
    ASSERT_TRUE(prompts.asked.isEmpty()) << prompts.asked.join(u'\n').toStdString();
    ASSERT_EQ(h.PictureCount(), 1u);
    EXPECT_EQ(page->StatusPane().PaneText(0), QStringLiteral("Picture sent."));

    PictureSteps steps;
    steps.steps = {PictureSteps::Step::ZoomIn, PictureSteps::Step::ZoomIn, PictureSteps::Step::RotateRight};
    steps.frame = Frame().topLeft();
    steps.brightness = 30;
    steps.contrast = -20;
    steps.green = 45;
    CommandConsole quiet;
    quiet.out = quiet.err = std::tmpfile();
    ASSERT_EQ(RunPictureCommand(quiet, photo, Path("cli.png"), steps), 0);
    std::fclose(quiet.out);
    const QImage stored(dir.filePath(QStringLiteral("handset/picture-001.png")));
    ASSERT_FALSE(stored.isNull());
    EXPECT_EQ(Words(stored), Words(QImage(Path("cli.png"))));
}

TEST_F(PicturePageTest, OnlyCancelsEndASendQuietly)
{
    ASSERT_TRUE(page->OpenFile(photo));

    // Cancelled by the user.
    SimConfig slow;
    slow.pace = 300;
    SimHandset& h = Handset(kProductId6392, slow);
    QTimer::singleShot(200, [this] { page->ProgressDialog().RequestCancel(false); });
    page->OnSend();
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(h.PictureCount(), 0u);

    // Cancelled by the handset (142), then refused because it is busy (138).
    SimFaults faults;
    faults.refuseCode = 7;
    h.SetFaults(faults);
    page->OnSend();
    EXPECT_TRUE(prompts.asked.isEmpty());
    faults.refuseCode = 3;
    h.SetFaults(faults);
    page->OnSend();
    EXPECT_EQ(prompts.asked, QStringList{LoadString(Msg::RefusedHandsetInUse)});

    // Unplugged halfway: the user is told, and the picture stays loaded and ready to go again.
    faults.refuseCode = 0;
    faults.disconnectAfter = 40;
    h.SetFaults(faults);
    prompts.asked.clear();
    page->OnSend();
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_TRUE(page->HasImage());
    EXPECT_TRUE(page->isEnabled());
}

TEST_F(PicturePageTest, TheFrameFollowsTheMouseAndTheKeysAndStopsAtTheEdges)
{
    PictureCanvas* canvas = page->Canvas();
    // No picture: no drag.
    SendMouse(canvas, QEvent::MouseButtonPress, Frame().center(), Qt::LeftButton);
    EXPECT_FALSE(canvas->Dragging());
    SendMouse(canvas, QEvent::MouseButtonRelease, Frame().center(), Qt::NoButton);

    // A picture smaller than the frame still keeps the frame inside the canvas.
    const QString tiny = Path("tiny.png");
    WritePhoto(tiny, 40, 30);
    ASSERT_TRUE(page->OpenFile(tiny));
    ASSERT_EQ(Frame(), QRect(149, 86, 128, 128));
    SendMouse(canvas, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
    EXPECT_FALSE(canvas->Dragging()) << "outside the frame";
    SendMouse(canvas, QEvent::MouseButtonRelease, {10, 10}, Qt::NoButton);

    QPoint mouse(200, 150);
    SendMouse(canvas, QEvent::MouseButtonPress, mouse, Qt::LeftButton);
    ASSERT_TRUE(canvas->Dragging());
    EXPECT_EQ(canvas->cursor().shape(), Qt::SizeAllCursor);
    SendMouse(canvas, QEvent::MouseMove, mouse += QPoint(30, 20), Qt::LeftButton);
    EXPECT_EQ(Frame().topLeft(), QPoint(179, 106));
    const QRectF previewSource = Editor().PreviewSource();
    EXPECT_EQ(previewSource.x(), Editor().State().source.x() + 179);
    // Far past the bottom-right corner: the frame waits at its limits, and the way back starts
    // from where the mouse is, not from where the frame stopped.
    SendMouse(canvas, QEvent::MouseMove, mouse += QPoint(1000, 1000), Qt::LeftButton);
    EXPECT_EQ(Frame().topLeft(), QPoint(298, 172));
    SendMouse(canvas, QEvent::MouseMove, mouse += QPoint(-10, -5), Qt::LeftButton);
    EXPECT_EQ(Frame().topLeft(), QPoint(288, 167));
    SendMouse(canvas, QEvent::MouseMove, mouse += QPoint(-5000, -5000), Qt::LeftButton);
    EXPECT_EQ(Frame().topLeft(), QPoint(0, 0));
    // A move without the button ends the drag, even with no release.
    SendMouse(canvas, QEvent::MouseMove, mouse += QPoint(50, 50), Qt::NoButton);
    EXPECT_FALSE(canvas->Dragging());
    EXPECT_EQ(Frame().topLeft(), QPoint(0, 0));

    // The keys: one pixel, ten with Shift, never past an edge; + and - zoom.
    SendKey(canvas, Qt::Key_Right);
    SendKey(canvas, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Frame().topLeft(), QPoint(1, 10));
    SendKey(canvas, Qt::Key_Left, Qt::ShiftModifier);
    SendKey(canvas, Qt::Key_Up);
    EXPECT_EQ(Frame().topLeft(), QPoint(0, 9));
    SendKey(canvas, Qt::Key_Plus);
    EXPECT_EQ(Editor().State().zoom, 380);
    SendKey(canvas, Qt::Key_Minus);
    SendKey(canvas, Qt::Key_Minus);
    EXPECT_EQ(Editor().State().zoom, 460);

    // Painting at every frame position draws only inside the canvas (no zero-sized drawing).
    canvas->repaint();
    EXPECT_FALSE(canvas->grab().isNull());
}

TEST_F(PicturePageTest, AdjustmentsShowLiveAndCancelOrEscapePutsThemBack)
{
    ASSERT_TRUE(page->OpenFile(photo));
    HandsetPreview* preview = page->Preview();
    preview->grab();
    const QImage before = preview->Shown().copy();
    ASSERT_FALSE(before.isNull());

    // Live: the preview changes while the dialog is open; Cancel restores it exactly.
    OnNextDialog([&](QDialog* d) {
        auto* slider = static_cast<AdjustmentDialog*>(d)->Slider(BrightnessContrastDialog::kBrightnessSlider);
        EXPECT_EQ(slider->value(), 0);
        EXPECT_FALSE(slider->toolTip().isEmpty());
        slider->setValue(100);
        preview->grab();
        EXPECT_EQ(Editor().Brightness(), 100);
        EXPECT_NE(preview->Shown(), before);
        d->reject();
    });
    page->OnBrightnessContrast();
    EXPECT_EQ(Editor().Brightness(), 0);
    preview->grab();
    EXPECT_EQ(preview->Shown(), before);

    // OK keeps the values, and the next dialog starts from them.
    OnNextDialog([](QDialog* d) {
        static_cast<AdjustmentDialog*>(d)->Slider(BrightnessContrastDialog::kContrastSlider)->setValue(-40);
        d->accept();
    });
    page->OnBrightnessContrast();
    EXPECT_EQ(Editor().Contrast(), -40);
    OnNextDialog([](QDialog* d) {
        EXPECT_EQ(static_cast<AdjustmentDialog*>(d)->Slider(BrightnessContrastDialog::kContrastSlider)->value(), -40);
        d->reject();
    });
    page->OnBrightnessContrast();
    EXPECT_EQ(Editor().Contrast(), -40);

    // Esc in the colour dialog.
    OnNextDialog([](QDialog* d) {
        static_cast<AdjustmentDialog*>(d)->Slider(ColorBalanceDialog::kBlueSlider)->setValue(-70);
        EXPECT_EQ(static_cast<AdjustmentDialog*>(d)->Values(), (std::vector<int>{0, 0, -70}));
        SendKey(d, Qt::Key_Escape);
    });
    page->OnColorBalance();
    EXPECT_EQ(Editor().Blue(), 0);

    // A new picture starts neutral.
    ASSERT_TRUE(page->OpenFile(photo));
    EXPECT_EQ(Editor().Contrast(), 0);
}

}  // namespace
