// The picture buttons: which picture shows when, and how they take input.

#include "gui/shell/PictureButton.h"
#include "gui/shell/PictureIds.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

constexpr int kIn = 0;
constexpr int kOut = 1;

// Catches the web addresses the buttons open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened.append(url); }
};

class SkinButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&parent);
        first = new PictureButton(&parent);
        second = new PictureButton(&parent);
        layout->addWidget(first);
        layout->addWidget(second);
        first->SetBitmaps(picture::kHelpIn, 0, picture::kHelpOut, 0);
        second->SetBitmaps(picture::kHelpIn, 0, picture::kHelpOut, 0);
        parent.show();
        QApplication::setActiveWindow(&parent);
    }

    QWidget parent;
    PictureButton* first = nullptr;
    PictureButton* second = nullptr;
};

TEST_F(SkinButton, HoverPressAndDisabledPictures)
{
    EXPECT_EQ(first->CurrentSlot(), kOut);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(first, &enter);
    EXPECT_EQ(first->CurrentSlot(), kIn);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(first, &leave);
    EXPECT_EQ(first->CurrentSlot(), kOut);

    first->setDown(true);
    EXPECT_EQ(first->CurrentSlot(), kIn);
    EXPECT_EQ(first->PictureOffset(), QPoint(1, 1));
    first->setDown(false);
    EXPECT_EQ(first->PictureOffset(), QPoint(0, 0));

    // Without a disabled picture a disabled button shows nothing.
    first->setEnabled(false);
    EXPECT_EQ(first->CurrentSlot(), -1);
    EXPECT_EQ(first->SetAlign(4), 4);
    EXPECT_EQ(first->SetAlign(3), 0);
    EXPECT_EQ(first->SetBitmaps(9999, 0, 0, 0), 1);
    EXPECT_EQ(first->CurrentSlot(), -1);
}

TEST_F(SkinButton, AButtonInADisabledWindowKeepsItsLook)
{
    parent.setEnabled(false);
    EXPECT_EQ(first->CurrentSlot(), kOut) << "only a button disabled itself loses its picture";
    parent.setEnabled(true);
    first->setEnabled(false);
    EXPECT_EQ(first->CurrentSlot(), -1);
}

TEST_F(SkinButton, FlatFocusKeepsTheInPictureUntilTheFocusGoes)
{
    first->DrawFlatFocus(true);
    QTest::mouseClick(first, Qt::LeftButton);
    EXPECT_TRUE(first->hasFocus());
    EXPECT_EQ(first->CurrentSlot(), kIn);
    second->setFocus();
    EXPECT_EQ(first->CurrentSlot(), kOut);
}

TEST_F(SkinButton, DisablingMovesTheFocusOn)
{
    first->setFocus();
    ASSERT_TRUE(first->hasFocus());
    first->setEnabled(false);
    EXPECT_TRUE(second->hasFocus());
}

TEST_F(SkinButton, SpaceNeverPressesButADoubleClickIsTwoPresses)
{
    QSignalSpy clicks(first, &QAbstractButton::clicked);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 0);
    // What a double click delivers: press, release, double click, release.
    const QPointF at(5, 5);
    QTest::mousePress(first, Qt::LeftButton, {}, at.toPoint());
    QTest::mouseRelease(first, Qt::LeftButton, {}, at.toPoint());
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, first->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(first, &dbl);
    QTest::mouseRelease(first, Qt::LeftButton, {}, at.toPoint());
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(SkinButton, AClickOpensItsAddressAndOnlyThen)
{
    UrlCatcher catcher;
    QTest::mouseClick(first, Qt::LeftButton);
    EXPECT_TRUE(catcher.opened.isEmpty());
    first->SetUrl(QStringLiteral("https://orvak.example.com/"));
    QTest::mouseClick(first, Qt::LeftButton);
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened[0], QUrl(QStringLiteral("https://orvak.example.com/")));
    first->SetUrl(QString(300, QChar(u'x')));
    EXPECT_EQ(first->Url().size(), 259);
}

}  // namespace

#include "PictureButtonTest.moc"
