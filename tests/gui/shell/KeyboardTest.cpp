// The main window and its dialogs from the keyboard alone, offscreen, with a simulated handset.

#include "support/ScriptedPrompts.h"
#include "support/SimFixture.h"

#include "gui/app/MainWindow.h"
#include "gui/contacts/ChangeMapDialog.h"
#include "gui/contacts/ImportExportWizard.h"
#include "gui/contacts/ImportFilePage.h"
#include "gui/contacts/ImportServerPage.h"
#include "gui/phonebook/PhonebookListModel.h"
#include "gui/phonebook/PhonebookPage.h"
#include "gui/picture/BrightnessContrastDialog.h"
#include "gui/picture/ColorBalanceDialog.h"
#include "gui/picture/PictureCanvas.h"
#include "gui/picture/PicturePage.h"
#include "gui/shell/StatusBar.h"
#include "gui/shell/TabButton.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

void Pump(int ms = 50)
{
    for (int i = 0; i < ms / 5; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QTest::qWait(5);
    }
}

QString NameOf(QWidget* w)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name) : QString();
}

QString Describe(QWidget* w)
{
    return QStringLiteral("%1 \"%2\" (%3)").arg(QString::fromLatin1(w->metaObject()->className()), NameOf(w),
                                                 w->objectName());
}

// Presses Tab from `start` until the focus comes back to it; the stops in the order reached.
std::vector<QWidget*> WalkTabChain(QWidget* start)
{
    start->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> stops{QApplication::focusWidget()};
    for (int i = 0; i < 100; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (!now || now == stops.front())
            break;
        stops.push_back(now);
    }
    return stops;
}

// Each stop can be seen, used and named, and Tab goes on to the right along a row and down
// from row to row: never to a control above, nor to one on its left in the same row.
void CheckChain(const std::vector<QWidget*>& stops, const QString& where)
{
    ASSERT_GT(stops.size(), 1u) << where.toStdString();
    for (std::size_t i = 0; i < stops.size(); ++i) {
        QWidget* w = stops[i];
        const std::string what = (where + QStringLiteral(": ") + Describe(w)).toStdString();
        EXPECT_TRUE(w->isVisible()) << what;
        EXPECT_TRUE(w->isEnabled()) << what;
        EXPECT_FALSE(NameOf(w).trimmed().isEmpty()) << what << " has no name for screen readers";
        if (i == 0)
            continue;
        QWidget* top = w->window();
        const QRect a(stops[i - 1]->mapTo(top, QPoint(0, 0)), stops[i - 1]->size());
        const QRect b(w->mapTo(top, QPoint(0, 0)), w->size());
        const std::string step = (where + QStringLiteral(": ") + Describe(stops[i - 1]) + QStringLiteral(" -> ") +
                                  Describe(w))
                                     .toStdString();
        EXPECT_FALSE(b.bottom() < a.top()) << step << " goes up";
        const int overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top());
        const bool sameRow = overlap > std::min(a.height(), b.height()) / 2;
        EXPECT_FALSE(sameRow && b.center().x() < a.center().x()) << step << " goes left along a row";
    }
}

void WritePhoto(const QString& path)
{
    QImage photo(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x < 160 ? 230 : 20, y < 120 ? 200 : 40, (x * 7 + y * 3) & 0xFF));
    ASSERT_TRUE(photo.save(path));
}

class Keyboard : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        m_link.reset();  // the window watches for handsets itself
        WritePhoto(m_dir.filePath(QStringLiteral("beach.png")));
    }
    void PlugInAndWait()
    {
        SimConfig c;
        c.name = "Kitchen";
        SimHandset& h = StartHandset(c);
        // A full book: a hundred entries, more than the list shows at once.
        for (int i = 0; i < 100; ++i)
            h.AddContact("Contact " + std::to_string(100 - i), "555" + std::to_string(1000 + i));
        for (int i = 0; i < 200 && StatusBar::HandsetName() != QStringLiteral("Kitchen"); ++i)
            Pump(10);
    }
    void ShowActive(MainWindow& window)
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    template <typename Page>
    static Page* Find(const MainWindow& window)
    {
        for (const TabPageEntry& row : window.TabPageTable())
            if (auto* page = qobject_cast<Page*>(row.page))
                return page;
        return nullptr;
    }
    QString Photo() const { return m_dir.filePath(QStringLiteral("beach.png")); }

    ScriptedPrompts prompts;
    QTemporaryDir m_dir;
};

TEST_F(Keyboard, EveryPageAndDialogIsWalkedInReadingOrderThroughNamedVisibleControls)
{
    PlugInAndWait();
    MainWindow window;
    ShowActive(window);
    auto* book = Find<PhonebookPage>(window);
    auto* pictures = Find<PicturePage>(window);
    // With a book and a picture in, so that every control is enabled and in the chain.
    book->OnReceive();
    ASSERT_EQ(book->Model().Count(), 100);
    ASSERT_TRUE(pictures->OpenFile(Photo()));
    // The list shows which way it is sorted, and its columns fit it.
    window.TabPageTable()[2].tabButton->click();
    Pump();
    auto* list = book->findChild<QTreeView*>();
    ASSERT_TRUE(list);
    EXPECT_TRUE(list->header()->isSortIndicatorShown());
    EXPECT_EQ(list->header()->sortIndicatorSection(), PhonebookListModel::kNameColumn);
    EXPECT_EQ(list->header()->sortIndicatorOrder(), Qt::AscendingOrder);
    EXPECT_TRUE(list->verticalScrollBar()->isVisible());
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());

    for (const TabPageEntry& row : window.TabPageTable()) {
        row.tabButton->click();
        Pump();
        const std::vector<QWidget*> stops = WalkTabChain(window.HelpButton());
        CheckChain(stops, row.tabButton->accessibleName());
        // Help, the three tabs, then the page's own controls, every one of them.
        ASSERT_GE(stops.size(), 5u);
        EXPECT_EQ(stops[1], window.TabPageTable()[0].tabButton);
        EXPECT_EQ(stops[3], window.TabPageTable()[2].tabButton);
        for (QWidget* control : row.page->findChildren<QWidget*>()) {
            if ((control->focusPolicy() & Qt::TabFocus) && control->isVisible() && control->isEnabled() &&
                control->parentWidget() == row.page) {
                EXPECT_NE(std::find(stops.begin(), stops.end(), control), stops.end())
                    << Describe(control).toStdString() << " is never reached by Tab";
            }
        }
    }
    // The picture page's chain, as the window is read.
    const std::vector<QWidget*> pictureStops = [&] {
        window.TabPageTable()[1].tabButton->click();
        return WalkTabChain(pictures->Button(PicturePage::kOpen));
    }();
    const std::vector<QWidget*> expected{
        pictures->Button(PicturePage::kOpen),         pictures->Button(PicturePage::kSave),
        pictures->Button(PicturePage::kSend),         pictures->Button(PicturePage::kZoomOut),
        pictures->Button(PicturePage::kZoomIn),       pictures->Button(PicturePage::kRotateLeft),
        pictures->Button(PicturePage::kRotateRight), pictures->Button(PicturePage::kBrightnessContrast),
        pictures->Button(PicturePage::kColorBalance), pictures->Canvas(),
        pictures->Button(PicturePage::kWebLink)};
    ASSERT_GE(pictureStops.size(), expected.size());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), pictureStops.begin()));

    // The adjustment dialogs: each slider under its label, then OK and Cancel.
    BrightnessContrastDialog light(0, 0, pictures->Preview(), &window);
    light.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&light));
    const std::vector<QWidget*> lightStops = WalkTabChain(light.Slider(BrightnessContrastDialog::kBrightnessSlider));
    CheckChain(lightStops, light.windowTitle());
    ASSERT_EQ(lightStops.size(), 4u);
    EXPECT_EQ(lightStops[1], static_cast<QWidget*>(light.Slider(BrightnessContrastDialog::kContrastSlider)));
    light.reject();
    ColorBalanceDialog colour(0, 0, 0, pictures->Preview(), &window);
    colour.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&colour));
    const std::vector<QWidget*> colourStops = WalkTabChain(colour.Slider(ColorBalanceDialog::kRedSlider));
    CheckChain(colourStops, colour.windowTitle());
    EXPECT_EQ(colourStops.size(), 5u);
    colour.reject();

    // With a larger font the dialog grows: each label keeps its full height, clear of its slider.
    const QFont font = QApplication::font();
    QFont large = font;
    large.setPointSize(14);
    QApplication::setFont(large);
    BrightnessContrastDialog big(0, 0, pictures->Preview(), &window);
    big.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&big));
    const QList<QLabel*> labels = big.findChildren<QLabel*>();
    EXPECT_EQ(labels.size(), 2);
    for (const QLabel* label : labels) {
        ASSERT_TRUE(label->buddy());
        EXPECT_GE(label->height(), label->sizeHint().height()) << label->text().toStdString();
        EXPECT_FALSE(label->geometry().intersects(label->buddy()->geometry())) << label->text().toStdString();
    }
    big.reject();
    QApplication::setFont(font);

    // The import wizard, page by page, reading a Google Contacts export; and its mapping choice.
    const QString csv = m_dir.filePath(QStringLiteral("contacts.csv"));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("First Name,Last Name,Labels,Phone 1 - Label,Phone 1 - Value\r\n"
               "Anna,Berg,* myContacts ::: Family,Mobile,+46 70 123 45 67\r\n"
               "Doctor,,* myContacts ::: Work,Work,5550199\r\n");
    file.close();
    ImportExportWizard wizard(&window, 100);
    wizard.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&wizard));
    for (int page = 0; page < 4; ++page) {
        if (page == 2)
            wizard.FilePage()->SetFileName(csv);
        Pump();
        QWidget* first = wizard.currentPage()->nextInFocusChain();
        while (!(first->focusPolicy() & Qt::TabFocus) || !first->isVisible() || !first->isEnabled())
            first = first->nextInFocusChain();
        CheckChain(WalkTabChain(first), QStringLiteral("wizard page %1").arg(wizard.currentId()));
        wizard.next();
    }
    EXPECT_EQ(wizard.currentId(), ImportExportWizard::kImportMappingPage);
    // The server's page instead of the file: its fields, the keyring's box and Find in order.
    wizard.back();
    ASSERT_EQ(wizard.currentId(), ImportExportWizard::kImportFilePage);
    wizard.FilePage()->SetFromServer(true);
    wizard.next();
    ASSERT_EQ(wizard.currentId(), ImportExportWizard::kImportServerPage);
    Pump();
    const std::vector<QWidget*> serverStops = WalkTabChain(wizard.ServerPage()->AddressEdit());
    CheckChain(serverStops, QStringLiteral("wizard's server page"));
    const std::vector<QWidget*> serverOrder{wizard.ServerPage()->AddressEdit(), wizard.ServerPage()->UserEdit(),
                                            wizard.ServerPage()->PasswordEdit(), wizard.ServerPage()->RememberBox(),
                                            wizard.ServerPage()->FindButton()};
    ASSERT_GE(serverStops.size(), serverOrder.size());
    EXPECT_TRUE(std::equal(serverOrder.begin(), serverOrder.end(), serverStops.begin()));
    wizard.reject();
    ChangeMapDialog mapping(QStringLiteral("Phone 1 - Value"), &window);
    mapping.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mapping));
    const std::vector<QWidget*> mappingStops = WalkTabChain(mapping.findChild<QCheckBox*>());
    CheckChain(mappingStops, mapping.windowTitle());
    EXPECT_GE(mappingStops.size(), 5u);
    mapping.reject();
}

TEST_F(Keyboard, ReturnPressesButtonsSpaceDoesNotAndCtrlTabAndAltLettersChangeTabs)
{
    PlugInAndWait();
    MainWindow window;
    ShowActive(window);
    const auto& table = window.TabPageTable();
    auto* book = Find<PhonebookPage>(window);
    auto* pictures = Find<PicturePage>(window);
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        Pump(20);
    };
    const auto tabTo = [&](QWidget* target) {
        for (int i = 0; i < 40 && QApplication::focusWidget() != target; ++i)
            press(Qt::Key_Tab);
        return QApplication::focusWidget() == target;
    };

    // Alt and the tab's marked letter, then Tab to Get and Return: the handset's book comes in.
    press(Qt::Key_B, Qt::AltModifier);
    ASSERT_EQ(window.VisiblePage(), book);
    EXPECT_EQ(TabButton::g_selectedTab, table[2].tabButton);
    ASSERT_TRUE(tabTo(book->Button(PhonebookPage::kReceive)));
    press(Qt::Key_Return);
    EXPECT_GT(book->Model().Count(), 0);

    // Ctrl+Tab goes on, from the last tab round to the first; Ctrl+Page Down too.
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(window.VisiblePage(), table[0].page);
    press(Qt::Key_PageDown, Qt::ControlModifier);
    ASSERT_EQ(window.VisiblePage(), pictures);
    EXPECT_EQ(TabButton::g_selectedTab, table[1].tabButton);

    // Enter on Open asks for a picture and loads it; Space on it asks nothing.
    prompts.files = {Photo()};
    ASSERT_TRUE(tabTo(pictures->Button(PicturePage::kOpen)));
    press(Qt::Key_Space);
    EXPECT_EQ(prompts.files.size(), 1u) << "Space pressed the button";
    EXPECT_FALSE(pictures->HasImage());
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(pictures->HasImage());
    EXPECT_TRUE(prompts.files.empty());
    // The frame still moves with the arrow keys.
    ASSERT_TRUE(tabTo(pictures->Canvas()));
    const QRect frame = pictures->Canvas()->Editor().State().frame;
    press(Qt::Key_Right);
    EXPECT_EQ(pictures->Canvas()->Editor().State().frame, frame.translated(1, 0));

    // Ctrl+Shift+Tab goes back; Ctrl+Page Up from the first tab round to the last.
    press(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window.VisiblePage(), table[0].page);
    press(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(window.VisiblePage(), book);
    press(Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(window.VisiblePage(), table[0].page);

    // While an operation holds the window, a tab cannot be chosen by key, as it cannot by click.
    window.setEnabled(false);
    press(Qt::Key_P, Qt::AltModifier);
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(window.VisiblePage(), table[0].page);
    window.setEnabled(true);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(window.VisiblePage(), pictures);
}

}  // namespace
