// The main window, its pages, the status bar and the progress window, offscreen.

#include "support/DeniedDeviceSource.h"
#include "support/RecordingProgress.h"
#include "support/ScriptedPrompts.h"
#include "support/SimFixture.h"

#include "gui/shell/Artwork.h"
#include "gui/shell/AboutDialog.h"
#include "gui/app/MainWindow.h"
#include "gui/shell/TabButton.h"
#include "gui/shell/WelcomePage.h"
#include "gui/shell/HelpWindow.h"
#include "gui/shell/PictureButton.h"
#include "gui/shell/PictureIds.h"
#include "core/common/AppEvents.h"
#include "core/common/StringTable.h"
#include "core/handset/HandsetAccessAdvice.h"
#include "core/handset/HandsetIds.h"
#include "gui/phonebook/PhonebookPage.h"
#include "gui/picture/PicturePage.h"
#include "core/transfer/BaseDataTransfer.h"
#include "core/transfer/HandsetOperation.h"
#include "core/transfer/ProtocolCodes.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QLoggingCategory>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace {

// Counts the handset notices that reach a widget.
class NoticeSpy : public QObject {
public:
    explicit NoticeSpy(QObject* target) { target->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == HandsetChangedEvent)
            ++count;
        return false;
    }
};

// Collects the program's debug lines.
class DebugLines {
public:
    DebugLines()
    {
        s_lines.clear();
        QLoggingCategory::setFilterRules(QStringLiteral("orvak.dialbook.debug=true"));
        m_previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) { s_lines.append(m); });
    }
    ~DebugLines()
    {
        qInstallMessageHandler(m_previous);
        QLoggingCategory::setFilterRules(QString());
    }
    static inline QStringList s_lines;

private:
    QtMessageHandler m_previous;
};

// Whether `w` covers none of its visible siblings.
bool InFreeSpace(const QWidget* w)
{
    for (const QWidget* other : w->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (other != w && other->isVisible() && other->geometry().intersects(w->geometry()))
            return false;
    return true;
}

void Pump(int ms = 50)
{
    for (int i = 0; i < ms / 5; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QTest::qWait(5);
    }
}

class Shell : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        m_link.reset();  // the window watches for handsets itself
    }
    // Plugs in a handset called `name` and waits until the window shows its name.
    void PlugInAndWait(const char* name)
    {
        SimConfig c;
        c.name = name;
        StartHandset(c);
        for (int i = 0; i < 200 && StatusBar::HandsetName() != QString::fromLatin1(name); ++i)
            Pump(10);
    }
    ScriptedPrompts prompts;
};

TEST_F(Shell, StartsOnTheWelcomePageWithItsTabSelected)
{
    MainWindow window;
    window.show();
    EXPECT_EQ(window.size(), QSize(638, 504 + StatusBar::PaneHeight()));
    const auto& table = window.TabPageTable();
    EXPECT_TRUE(table[0].page->isVisible());
    EXPECT_FALSE(table[1].page->isVisible());
    EXPECT_FALSE(table[2].page->isVisible());
    EXPECT_EQ(TabButton::g_selectedTab, table[0].tabButton);
    EXPECT_EQ(table[0].tabButton->CurrentSlot(), 0) << "the selected tab shows its in picture";
    EXPECT_EQ(table[1].tabButton->CurrentSlot(), 1);
    EXPECT_EQ(table[0].page->geometry(), QRect(0, 69, 638, 435 + StatusBar::PaneHeight()));
    EXPECT_EQ(table[2].tabButton->geometry(), QRect(520, 48, 114, 19));
}

TEST_F(Shell, TabsSwitchPagesAndUnknownIdsDoNothing)
{
    MainWindow window;
    window.show();
    const auto& table = window.TabPageTable();
    QTest::mouseClick(table[2].tabButton, Qt::LeftButton);
    EXPECT_TRUE(table[2].page->isVisible());
    EXPECT_FALSE(table[0].page->isVisible());
    EXPECT_EQ(TabButton::g_selectedTab, table[2].tabButton);
    EXPECT_EQ(table[0].tabButton->CurrentSlot(), 1);
    QTest::mouseClick(table[2].tabButton, Qt::LeftButton);
    EXPECT_TRUE(table[2].page->isVisible());
    window.OnTabCommand(302);
    EXPECT_TRUE(table[2].page->isVisible());
    EXPECT_EQ(window.VisiblePage(), table[2].page);
    EXPECT_EQ(window.HelpContext(), 131326u);
    window.OnTabCommand(301);
    EXPECT_EQ(window.HelpContext(), 131325u);
    window.OnTabCommand(300);
    EXPECT_EQ(window.HelpContext(), 131327u);
}

TEST_F(Shell, EnterAndEscDoNotCloseTheWindow)
{
    MainWindow window;
    window.show();
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(Shell, AHandsetNoticeReachesOnlyTheVisiblePage)
{
    MainWindow window;
    window.show();
    const auto& table = window.TabPageTable();
    window.OnTabCommand(304);
    Pump();
    NoticeSpy welcome(table[0].page), image(table[1].page), book(table[2].page);
    QCoreApplication::postEvent(&window, new QEvent(HandsetChangedEvent));
    Pump();
    EXPECT_EQ(welcome.count, 0);
    EXPECT_EQ(image.count, 0);
    EXPECT_EQ(book.count, 1);
}

TEST_F(Shell, ArrivalAndRemovalChangeEveryPagesStatusBar)
{
    MainWindow window;
    window.show();
    Pump();
    const auto& table = window.TabPageTable();
    EXPECT_FALSE(StatusBar::Connected());
    EXPECT_EQ(StatusBar::Pane1Text(), QStringLiteral("Not Connected"));

    PlugInAndWait("Kitchen");
    EXPECT_TRUE(StatusBar::Connected());
    EXPECT_EQ(StatusBar::Pane1Text(), QStringLiteral("Kitchen"));
    // The state is shared: another page shows it too once shown.
    window.OnTabCommand(304);
    Pump();
    EXPECT_EQ(table[2].page->StatusPane().Pane1Text(), QStringLiteral("Kitchen"));

    StopHandset(0);
    for (int i = 0; i < 200 && StatusBar::Connected(); ++i)
        Pump(10);
    EXPECT_FALSE(StatusBar::Connected());
    EXPECT_EQ(StatusBar::Pane1Text(), QStringLiteral("Not Connected"));
}

TEST_F(Shell, AHandsetThisUserMayNotOpenIsExplainedUntilItOpens)
{
    DeniedDeviceSource denied;  // made first, it outlives the window's scans
    MainWindow window;
    window.show();
    Pump();
    const auto& table = window.TabPageTable();
    auto* welcome = qobject_cast<WelcomePage*>(table[0].page);
    ASSERT_NE(welcome, nullptr);
    const QString rule = QString::fromStdString(HandsetAccessAdvice::ForThisSystem().RulePath());

    EXPECT_FALSE(StatusBar::Connected());
    EXPECT_EQ(StatusBar::Pane1Text(), QStringLiteral("Not Permitted"));
    EXPECT_TRUE(welcome->StatusPane().toolTip().contains(rule)) << welcome->StatusPane().toolTip().toStdString();
    ASSERT_TRUE(welcome->AccessLabel()->isVisible());
    const QString advice = welcome->AccessLabel()->text();
    EXPECT_TRUE(advice.startsWith(QStringLiteral("An Orvak handset is plugged in, but you may not open it yet.\n")))
        << advice.toStdString();
    EXPECT_TRUE(advice.contains(rule)) << advice.toStdString();
    // The label sits in the page's free space, above the web link, and fits its text.
    EXPECT_LE(welcome->AccessLabel()->geometry().bottom(), 380);
    EXPECT_LE(welcome->AccessLabel()->heightForWidth(welcome->AccessLabel()->width()),
              welcome->AccessLabel()->height());
    // Another page says the same once shown.
    window.OnTabCommand(304);
    Pump();
    EXPECT_EQ(table[2].page->StatusPane().toolTip(), advice);

    // With the rule in place the handset is plugged in again, and opens.
    denied.Unplug();
    window.OnTabCommand(300);
    PlugInAndWait("Kitchen");
    EXPECT_TRUE(StatusBar::Connected());
    EXPECT_EQ(StatusBar::Pane1Text(), QStringLiteral("Kitchen"));
    EXPECT_TRUE(welcome->StatusPane().toolTip().isEmpty());
    EXPECT_FALSE(welcome->AccessLabel()->isVisible());

    // Unplugged: plainly not connected, nothing to explain.
    StopHandset(0);
    for (int i = 0; i < 200 && StatusBar::Connected(); ++i)
        Pump(10);
    EXPECT_EQ(StatusBar::Pane1Text(), QStringLiteral("Not Connected"));
    EXPECT_FALSE(welcome->AccessLabel()->isVisible());
}

// The handset models 0x1849 and 0x18D2 answer `dialbook`, but the pages serve only 0x18F8:
// the window shows them connected, by name, and each page says the command to use instead,
// with its handset buttons off. 0x18F8 has the buttons and no such word.
TEST_F(Shell, OtherModelsAreConnectedButTheirBookAndPicturesAreLeftToDialbook)
{
    QTemporaryDir dir;
    const QString picturePath = dir.filePath(QStringLiteral("sunset.png"));
    QImage sunset(300, 200, QImage::Format_RGB32);
    sunset.fill(QColor(250, 120, 40));
    ASSERT_TRUE(sunset.save(picturePath));

    MainWindow window;
    window.show();
    Pump();
    const auto& table = window.TabPageTable();
    auto* pictures = qobject_cast<PicturePage*>(table[1].page);
    auto* book = qobject_cast<PhonebookPage*>(table[2].page);
    ASSERT_TRUE(pictures && book);
    window.OpenPicture(picturePath);
    Pump();
    ASSERT_TRUE(pictures->HasImage());
    window.OnTabCommand(304);
    book->OnNewPhonebook();

    std::size_t plugged = 0;
    for (std::uint16_t product : {kProductId6217, kProductId6354}) {
        SimConfig c;
        c.name = "Hall";
        c.productId = product;
        StartHandset(c, "model" + std::to_string(product));
        for (int i = 0; i < 200 && StatusBar::HandsetName() != QStringLiteral("Hall"); ++i)
            Pump(10);
        const QString model = QStringLiteral("0x%1").arg(QString::number(product, 16).toUpper());
        EXPECT_TRUE(StatusBar::Connected()) << model.toStdString();
        EXPECT_EQ(book->StatusPane().Pane1Text(), QStringLiteral("Hall"));
        ASSERT_TRUE(book->HandsetNote()->isVisible()) << model.toStdString();
        EXPECT_EQ(book->HandsetNote()->text(),
                  QStringLiteral("The phone book of this handset model (%1) is not supported in this window; use "
                                 "the dialbook command: dialbook pull FILE.opbk")
                      .arg(model));
        EXPECT_FALSE(book->HandsetReady());
        EXPECT_FALSE(book->Button(PhonebookPage::kReceive)->isEnabled());
        EXPECT_FALSE(book->Button(PhonebookPage::kSend)->isEnabled());
        EXPECT_TRUE(book->Button(PhonebookPage::kSave)->isEnabled()) << "the book itself is the page's";
        // The note shows its whole text, in free space of the page.
        EXPECT_LE(book->HandsetNote()->heightForWidth(book->HandsetNote()->width()), book->HandsetNote()->height());
        EXPECT_TRUE(InFreeSpace(book->HandsetNote()));

        window.OnTabCommand(301);
        Pump();
        EXPECT_TRUE(pictures->HandsetNote()->isVisible());
        EXPECT_TRUE(pictures->HandsetNote()->text().startsWith(QStringLiteral("Pictures for this handset model (%1)").arg(model)));
        EXPECT_TRUE(pictures->HandsetNote()->text().contains(QStringLiteral("dialbook send-picture")));
        EXPECT_TRUE(InFreeSpace(pictures->HandsetNote()));
        EXPECT_FALSE(pictures->Button(PicturePage::kSend)->isEnabled());
        EXPECT_TRUE(pictures->Button(PicturePage::kSave)->isEnabled());
        EXPECT_EQ(pictures->StatusPane().Pane1Text(), QStringLiteral("Hall"));

        StopHandset(plugged++);
        for (int i = 0; i < 200 && StatusBar::Connected(); ++i)
            Pump(10);
        EXPECT_FALSE(pictures->HandsetNote()->isVisible()) << "unplugged: nothing to say";
        window.OnTabCommand(304);
        Pump();
    }

    // The model the pages serve.
    PlugInAndWait("Kitchen");
    EXPECT_TRUE(StatusBar::Connected());
    EXPECT_FALSE(book->HandsetNote()->isVisible());
    EXPECT_TRUE(book->HandsetReady());
    EXPECT_TRUE(book->Button(PhonebookPage::kReceive)->isEnabled());
    EXPECT_TRUE(book->Button(PhonebookPage::kSend)->isEnabled());
    window.OnTabCommand(301);
    Pump();
    EXPECT_FALSE(pictures->HandsetNote()->isVisible());
    EXPECT_TRUE(pictures->Button(PicturePage::kSend)->isEnabled());
}

TEST_F(Shell, BeginProgressWithAndWithoutCancel)
{
    MainWindow window;
    window.show();
    TabPage* page = window.TabPageTable()[0].page;
    page->BeginProgress(0, 222);
    EXPECT_FALSE(page->isEnabled());
    EXPECT_FALSE(window.isEnabled());
    ASSERT_TRUE(page->ProgressDialog().HasWindow());
    EXPECT_TRUE(page->ProgressDialog().Window()->isVisible());
    EXPECT_TRUE(page->ProgressDialog().Window()->isEnabled());
    EXPECT_EQ(page->ProgressDialog().StatusText(), QStringLiteral("Receiving handset information."));
    EXPECT_FALSE(page->ProgressDialog().CancelVisible());
    // Esc does nothing when there is no Cancel.
    QTest::keyClick(page->ProgressDialog().Window(), Qt::Key_Escape);
    EXPECT_FALSE(page->ProgressDialog().CancelEvent().IsSet());
    page->EndProgress();
    EXPECT_FALSE(page->ProgressDialog().HasWindow());
    EXPECT_TRUE(page->isEnabled());
    EXPECT_TRUE(window.isEnabled());

    page->BeginProgress(165, 169);
    EXPECT_TRUE(page->ProgressDialog().CancelVisible());
    EXPECT_EQ(page->ProgressDialog().Position(), 0);
    page->EndProgress();
}

TEST_F(Shell, EscAndCancelStopATransfer)
{
    SimConfig c;
    c.pace = 100;
    c.inLen = c.outLen = 16;
    SimHandset& h = StartHandset(c);
    h.SetReadData(FN_READ_RECORD, CLASS_PHONEBOOK, 0, std::vector<std::uint8_t>(15 * 40, 1));

    MainWindow window;
    window.show();
    Pump(100);
    TabPage* page = window.TabPageTable()[0].page;
    for (bool useEsc : {true, false}) {
        page->BeginProgress(165, 169);
        ProgressWindow& progress = page->ProgressDialog();
        progress.ResetPosition();
        progress.SetRange(0, 1000);
        BaseDataTransfer transfer;
        transfer.SetProgressDialog(&progress);
        bool sent = false;
        QTimer::singleShot(150, [&] {
            sent = true;
            if (useEsc)
                QTest::keyClick(progress.Window(), Qt::Key_Escape);
            else
                progress.RequestCancel(true);
        });
        std::vector<std::uint8_t> data;
        EXPECT_EQ(HandsetOperation::Run(progress, [&] { return transfer.ReadRecord(data, {CLASS_PHONEBOOK, 0, 0}); }),
                  Msg::Cancelled)
            << useEsc;
        EXPECT_TRUE(sent);
        EXPECT_TRUE(progress.Cancelled());
        EXPECT_EQ(progress.StatusText(), QStringLiteral("Canceling Phonebook Transfer..."));
        EXPECT_GT(progress.Position(), 0) << "the bar moved with the data reports";
        page->EndProgress();
    }
    // A fresh window for the next operation: empty bar, Cancel back.
    page->BeginProgress(165, 169);
    EXPECT_EQ(page->ProgressDialog().Position(), 0);
    EXPECT_TRUE(page->ProgressDialog().CancelVisible());
    EXPECT_FALSE(page->ProgressDialog().Cancelled());
    page->EndProgress();
}

// No page code runs inside another page's operation: notices that come during a Get or a
// picture load wait, the window stays busy to the end, and then one refresh shows the handset.
TEST_F(Shell, NoticesDuringAnOperationWaitForItsEndAndAreHandledOnce)
{
    SimConfig c;
    c.pace = 100;  // the Get takes a while
    SimHandset& h = StartHandset(c);
    for (int i = 0; i < 12; ++i)
        h.AddContact("Entry " + std::to_string(i), "555");
    MainWindow window;
    window.show();
    Pump(300);  // the start-up refresh
    const auto infoReads = [&] {
        int n = 0;
        for (const SimCommandLog& cmd : h.Commands())
            n += cmd.function == FN_READ_RECORD && cmd.parameters[4] == CLASS_HANDSET_INFO;
        return n;
    };
    ASSERT_EQ(infoReads(), 1);
    auto* book = qobject_cast<PhonebookPage*>(window.TabPageTable()[2].page);
    window.OnTabCommand(304);
    book->StatusPane().SetHandsetName(QString());

    bool busyThroughout = true;
    int checks = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        ++checks;
        // Three notices, as a mouse reconnecting and a handset folder changing would send.
        QCoreApplication::postEvent(&window, new QEvent(HandsetChangedEvent));
        busyThroughout = busyThroughout && !window.isEnabled() && !book->isEnabled() &&
                         book->ProgressDialog().CancelVisible();
        if (checks == 3)
            watch.stop();
    });
    watch.start(40);
    book->OnReceive();
    EXPECT_EQ(checks, 3) << "the Get lasted through the notices";
    EXPECT_TRUE(busyThroughout);
    EXPECT_EQ(book->Model().Count(), 12);
    EXPECT_EQ(infoReads(), 2) << "only the Get's own information read ran meanwhile";
    Pump(300);
    EXPECT_EQ(infoReads(), 3) << "then one refresh for all three notices";
    EXPECT_EQ(StatusBar::HandsetName(), QStringLiteral("Orvak Handset"));
    EXPECT_TRUE(book->isEnabled());

    // A picture load: the notice waits, and Save cannot be reached while the decoder works.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("big.png"));
    QImage(1600, 1200, QImage::Format_RGB32).save(file);
    auto* pictures = qobject_cast<PicturePage*>(window.TabPageTable()[1].page);
    window.OnTabCommand(301);
    bool saveReachable = false, noticed = false;
    NoticeSpy spy(pictures);
    struct FirstStep : QObject {
        std::function<void()> act;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == ProgressStepEvent && act)
                std::exchange(act, nullptr)();
            return false;
        }
    } firstStep;
    firstStep.act = [&] {
        noticed = true;
        QCoreApplication::postEvent(&window, new QEvent(HandsetChangedEvent));
        saveReachable = pictures->Button(PicturePage::kSave)->isEnabled() || window.isEnabled();
    };
    pictures->ProgressDialog().installEventFilter(&firstStep);
    ASSERT_TRUE(pictures->OpenFile(file));
    EXPECT_TRUE(noticed);
    EXPECT_FALSE(saveReachable);
    EXPECT_EQ(spy.count, 0) << "held while the picture loaded";
    Pump(300);
    EXPECT_EQ(spy.count, 1);
    EXPECT_EQ(infoReads(), 4);
    EXPECT_TRUE(pictures->Button(PicturePage::kSave)->isEnabled());
}

// A question a page's flow waits on is part of that flow: a handset notice, and a picture a
// later copy of the program asks to open, wait until it is answered.
TEST_F(Shell, NoticesAndPicturesWaitForAnOpenQuestion)
{
    StartHandset();
    MainWindow window;
    window.show();
    Pump(300);  // the start-up refresh
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("cat.png"));
    QImage(200, 100, QImage::Format_RGB32).save(file);
    auto* pictures = qobject_cast<PicturePage*>(window.TabPageTable()[1].page);
    NoticeSpy welcomeSpy(window.TabPageTable()[0].page), picturesSpy(pictures);

    QDialog question(&window);
    bool loadedInside = true;
    int noticesInside = -1;
    QTimer::singleShot(50, [&] {
        window.OpenPicture(file);
        QCoreApplication::postEvent(&window, new QEvent(HandsetChangedEvent));
        QTimer::singleShot(400, [&] {
            loadedInside = pictures->HasImage();
            noticesInside = welcomeSpy.count + picturesSpy.count;
            question.reject();
        });
    });
    question.exec();
    EXPECT_FALSE(loadedInside);
    EXPECT_EQ(noticesInside, 0);
    for (int i = 0; i < 100 && !(pictures->HasImage() && welcomeSpy.count + picturesSpy.count > 0); ++i)
        Pump(10);
    EXPECT_TRUE(pictures->HasImage());
    EXPECT_EQ(welcomeSpy.count + picturesSpy.count, 1);
}

TEST_F(Shell, ClosingAsksEveryPageInTurn)
{
    MainWindow window;
    window.show();
    auto* book = qobject_cast<PhonebookPage*>(window.TabPageTable()[2].page);
    ASSERT_NE(book, nullptr);
    book->OnNewPhonebook();
    book->AddEntry("Unsaved", "1");
    prompts.answers = {UserPrompts::Answer::No};
    EXPECT_TRUE(window.close());
    EXPECT_EQ(prompts.asked, QStringList{PhonebookPage::SaveChangesQuestion()});
}

TEST_F(Shell, ClosingDuringASendCancelsItThenAsksAboutTheChangesAndCloses)
{
    SimConfig c;
    c.pace = 40;  // the backup receive takes a while
    SimHandset& h = StartHandset(c);
    for (int i = 0; i < 20; ++i)
        h.AddContact("Kept " + std::to_string(i), "555");
    MainWindow window;
    window.show();
    Pump(300);  // the start-up refresh
    auto* book = qobject_cast<PhonebookPage*>(window.TabPageTable()[2].page);
    window.OnTabCommand(304);
    book->OnNewPhonebook();
    book->AddEntry("Unsaved", "1");

    prompts.answers = {UserPrompts::Answer::Yes, UserPrompts::Answer::No};  // send it; then do not save
    bool closedAtOnce = true;
    QTimer::singleShot(150, [&] { closedAtOnce = window.close(); });
    book->OnSend();
    EXPECT_FALSE(closedAtOnce) << "the window waits for the transfer to end";
    EXPECT_TRUE(window.isVisible());
    for (int i = 0; i < 100 && window.isVisible(); ++i)
        Pump();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(prompts.asked.value(1), PhonebookPage::SaveChangesQuestion());
    EXPECT_EQ(h.Phonebook().size(), 20u) << "cancelled during the backup, nothing was sent";
}

TEST_F(Shell, HelpOpensAtThePageOfTheVisibleTab)
{
    MainWindow window;
    window.show();
    window.OnTabCommand(304);
    window.OnHelpButton();
    Pump();
    QWidget* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* h = qobject_cast<HelpWindow*>(w); h && h->isVisible())
            help = h;
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(static_cast<HelpWindow*>(help)->Context(), 131326u);
    EXPECT_EQ(static_cast<HelpWindow*>(help)->PageTitle(), QStringLiteral("Phone Book"));
    HelpWindow::Quit();
}

TEST(About, ShowsTheVersion)
{
    AboutDialog about;
    EXPECT_EQ(about.VersionText(), QStringLiteral("Version 2.0.1"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About the Orvak Dialbook"));
}

TEST(StatusBar, ConnectionAndNameAreSharedAndCut)
{
    StatusBar a, b;
    a.resize(638, 22);
    a.SetPaneWidths(400, 150);
    a.SetNotConnectedText(QStringLiteral("Not Connected"));
    a.SetConnected(1);
    a.SetHandsetName(QStringLiteral("Twenty characters!!!"));
    EXPECT_EQ(b.Pane1Text(), QStringLiteral("Twenty character"));
    a.SetConnected(0);
    EXPECT_EQ(b.Pane1Text(), QStringLiteral("Not Connected"));
    a.SetConnected(1);
    EXPECT_EQ(b.Pane1Text(), QString()) << "the name went with the handset";
    a.SetConnected(0);

    // The picture is centred in a pane larger than 31 x 11, at the pane's edge otherwise.
    const QRect p2 = a.PaneRect(2);
    EXPECT_EQ(a.Pane2PicturePosition(), p2.topLeft() + QPoint((p2.width() - 31) / 2, (22 - 11) / 2));
    a.SetPaneWidths(620, 0);
    EXPECT_LT(a.PaneRect(2).width(), 31);
    EXPECT_EQ(a.Pane2PicturePosition().x(), a.PaneRect(2).x());
}

TEST(Artwork, EveryPictureHasItsDesignedSize)
{
    using namespace picture;
    const std::pair<int, QSize> sizes[] = {
        {kMainBackground, {638, 600}}, {kWelcomeBackground, {638, 435}}, {kImageBackground, {638, 435}},
        {kPhonebookBackground, {638, 435}}, {kWelcomeTabIn, {112, 19}}, {kWelcomeTabOut, {112, 19}},
        {kImageTabIn, {113, 19}}, {kImageTabOut, {113, 19}}, {kPhonebookTabIn, {114, 19}},
        {kPhonebookTabOut, {114, 19}}, {kHelpIn, {62, 28}}, {kHelpOut, {62, 28}}, {kWebLinkIn, {387, 33}},
        {kWebLinkOut, {387, 33}}, {kHandsetConnected, {31, 11}}, {kNoHandset, {31, 11}},
    };
    for (const auto& [id, size] : sizes)
        EXPECT_EQ(Artwork::Picture(id).size(), size) << id;
    EXPECT_FALSE(Artwork::ProgramIcon().isNull());
    EXPECT_TRUE(Artwork::Picture(9999).isNull());
}

}  // namespace
