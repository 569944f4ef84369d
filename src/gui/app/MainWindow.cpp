#include "gui/app/MainWindow.h"

#include "gui/shell/Artwork.h"
#include "gui/shell/AboutDialog.h"
#include "gui/shell/FocusChain.h"
#include "gui/shell/TabButton.h"
#include "gui/shell/WelcomePage.h"
#include "gui/shell/StatusBar.h"
#include "gui/shell/HelpWindow.h"
#include "gui/shell/PictureIds.h"

#include "core/common/AppEvents.h"
#include "core/common/StringTable.h"
#include "core/handset/HandsetIds.h"
#include "gui/picture/PicturePage.h"
#include "gui/phonebook/PhonebookPage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

constexpr std::uint32_t kAboutMenuText = 101;
constexpr std::uint32_t kHelpTip = 107;
constexpr std::uint32_t kHelpContextBase = 0x20000;

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(LoadString(Msg::AppTitle));
    setWindowIcon(Artwork::ProgramIcon());
    m_table = {{
        {new WelcomePage(this), picture::kWelcomeBackground, 255, QRect(0, 69, 638, 435), new TabButton(this), 300, 175,
         picture::kWelcomeTabIn, picture::kWelcomeTabOut, QRect(295, 48, 112, 19)},
        {new PicturePage(this), picture::kImageBackground, 253, QRect(0, 69, 638, 435), new TabButton(this), 301,
         144, picture::kImageTabIn, picture::kImageTabOut, QRect(407, 48, 113, 19)},
        {new PhonebookPage(this), picture::kPhonebookBackground, 254, QRect(0, 69, 638, 435), new TabButton(this), 304,
         174, picture::kPhonebookTabIn, picture::kPhonebookTabOut, QRect(520, 48, 114, 19)},
    }};
    m_helpButton = new PictureButton(this);
    m_helpButton->setObjectName(QStringLiteral("help"));
    SetUpUi();
}

MainWindow::~MainWindow()
{
    HelpWindow::Quit();
}

void MainWindow::SetUpUi()
{
    const int paneHeight = StatusBar::PaneHeight();
    setFixedSize(kClientWidth, kClientHeight + paneHeight);
    m_background = Artwork::Picture(picture::kMainBackground);

    m_handset.Init(this, HANDSET_VENDOR_ID);

    for (TabPageEntry& row : m_table) {
        row.page->SetBackgroundBitmapId(row.backgroundBitmap);
        row.page->SetMainWindow(this);
        row.page->setGeometry(row.pageRect.x(), row.pageRect.y(), row.pageRect.width(), row.pageRect.height() + paneHeight);
        row.page->SetUpUi();
        row.page->hide();

        row.tabButton->setObjectName(QStringLiteral("tab%1").arg(row.commandId));
        row.tabButton->SetBitmaps(row.inBitmap, 0, row.outBitmap, 0);
        row.tabButton->SetAlign(3);
        row.tabButton->setGeometry(row.buttonRect);
        row.tabButton->UseBalloonTooltip();
        row.tabButton->SetTooltipText(row.tooltipId);
        const int id = row.commandId;
        connect(row.tabButton, &QAbstractButton::clicked, this, [this, id] { OnTabCommand(id); });
    }

    m_helpButton->SetBitmaps(picture::kHelpIn, 0, picture::kHelpOut, 0);
    m_helpButton->SetAlign(3);
    m_helpButton->setGeometry(560, 10, 62, 28);
    m_helpButton->UseBalloonTooltip();
    m_helpButton->SetTooltipText(kHelpTip);
    m_helpButton->DrawFlatFocus(true);
    m_helpButton->setAccessibleName(tr("Help"));
    connect(m_helpButton, &QAbstractButton::clicked, this, &MainWindow::OnHelpButton);

    // Each tab is named for screen readers, and its name's marked letter with Alt selects it.
    const QString tabNames[] = {tr("&Welcome"), tr("&Pictures"), tr("Phone &Book")};
    for (std::size_t i = 0; i < m_table.size(); ++i) {
        TabButton* tab = m_table[i].tabButton;
        QString name = tabNames[i];
        tab->setAccessibleName(name.remove(QLatin1Char('&')));
        auto* mnemonic = new QShortcut(QKeySequence::mnemonic(tabNames[i]), this);
        connect(mnemonic, &QShortcut::activated, tab, &QAbstractButton::click);
    }
    // Ctrl+Tab and Ctrl+Page Down go to the next tab, with Shift or Page Up to the one before.
    const auto stepper = [this](std::initializer_list<QKeySequence> keys, int step) {
        for (const QKeySequence& key : keys) {
            auto* shortcut = new QShortcut(key, this);
            connect(shortcut, &QShortcut::activated, this, [this, step] { StepTab(step); });
        }
    };
    stepper({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1);
    stepper({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
             QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
            -1);

    // Help, the tabs, then the controls of whichever page shows.
    std::vector<QWidget*> chain{m_helpButton};
    for (const TabPageEntry& row : m_table)
        chain.push_back(row.tabButton);
    for (const TabPageEntry& row : m_table) {
        const std::vector<QWidget*> stops = FocusChain::ByPlace(row.page);
        chain.insert(chain.end(), stops.begin(), stops.end());
    }
    FocusChain::Apply(chain);

    TabButton::g_selectedTab = m_table[0].tabButton;
    m_table[0].page->show();
    m_table[0].tabButton->setFocus();
}

void MainWindow::OnTabCommand(int id)
{
    const bool known = std::any_of(m_table.begin(), m_table.end(), [id](const auto& r) { return r.commandId == id; });
    if (!known)
        return;
    for (TabPageEntry& row : m_table)
        row.page->setVisible(row.commandId == id);
}

void MainWindow::StepTab(int step)
{
    const auto visible = std::find_if(m_table.begin(), m_table.end(), [](const auto& r) { return r.page->isVisible(); });
    const int count = static_cast<int>(m_table.size());
    const int current = visible == m_table.end() ? 0 : static_cast<int>(visible - m_table.begin());
    // Pressed as if clicked: a tab that cannot be clicked now (an operation runs) stays unselected.
    m_table[static_cast<std::size_t>((current + step + count) % count)].tabButton->click();
}

void MainWindow::OpenPicture(const QString& path)
{
    for (TabPageEntry& row : m_table) {
        auto* pictures = qobject_cast<PicturePage*>(row.page);
        if (!pictures)
            continue;
        // While an operation runs (the handset's information read at start-up, a transfer), or
        // a question or dialog of a page's is open, the picture waits for it to end.
        if (!isEnabled() || !pictures->isEnabled() || TabPage::IsBusy() || QApplication::activeModalWidget()) {
            m_pendingPicture = path;
            QTimer::singleShot(kRetryMs, this, &MainWindow::RunPending);
            return;
        }
        if (!pictures->isVisible())
            row.tabButton->click();
        pictures->OpenFile(path);
        return;
    }
}

void MainWindow::StartRecovery()
{
    m_recoveryPending = true;
    QTimer::singleShot(0, this, &MainWindow::RunPending);
}

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && isEnabled()) {
        // After the operation has put everything back.
        QTimer::singleShot(0, this, &MainWindow::RunPending);
    }
}

void MainWindow::RunPending()
{
    if (!isEnabled())
        return;  // the end of the operation calls again
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(kRetryMs, this, &MainWindow::RunPending);
        return;
    }
    if (std::exchange(m_handsetNoticePending, false))
        QCoreApplication::postEvent(this, new QEvent(HandsetChangedEvent));
    if (std::exchange(m_closePending, false)) {
        close();
        return;
    }
    if (std::exchange(m_recoveryPending, false)) {
        for (TabPageEntry& row : m_table) {
            auto* book = qobject_cast<PhonebookPage*>(row.page);
            if (book && book->OfferRecovery() && !book->isVisible())
                row.tabButton->click();
        }
    }
    if (!m_pendingPicture.isEmpty())
        OpenPicture(std::exchange(m_pendingPicture, QString()));
}

TabPage* MainWindow::VisiblePage() const
{
    for (const TabPageEntry& row : m_table)
        if (row.page->isVisible())
            return row.page;
    return nullptr;
}

std::uint32_t MainWindow::HelpContext() const
{
    for (const TabPageEntry& row : m_table)
        if (row.page->isVisible())
            return row.pageTemplate + kHelpContextBase;
    return m_table[0].pageTemplate + kHelpContextBase;
}

void MainWindow::OnHelpButton()
{
    HelpWindow::ShowContext(HelpContext(), this);
}

void MainWindow::ShowAbout()
{
    AboutDialog(this).exec();
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == HandsetChangedEvent) {
        // Only the visible page hears of it; the others catch up when they are shown. No page
        // code runs inside another's operation: then it waits until the operation has ended.
        if (TabPage::HoldHandsetNoticeWhileBusy())
            return true;
        // Nor inside a question a page's flow is waiting on: after it, once the flow has ended.
        if (QApplication::activeModalWidget()) {
            m_handsetNoticePending = true;
            QTimer::singleShot(kRetryMs, this, &MainWindow::RunPending);
            return true;
        }
        if (TabPage* page = VisiblePage())
            QCoreApplication::postEvent(page, new QEvent(HandsetChangedEvent));
        return true;
    }
    return QWidget::event(event);
}

void MainWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawTiledPixmap(rect(), m_background);
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // Enter and Esc never close the window.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!isEnabled()) {
        // A transfer runs in this window: it is cancelled, and the window closes once it has
        // ended and the phone book's changes have been asked about. An operation that cannot
        // be cancelled is waited for.
        event->ignore();
        m_closePending = true;
        for (TabPageEntry& row : m_table) {
            if (row.page->ProgressDialog().HasWindow())
                row.page->ProgressDialog().RequestCancel(false);
        }
        return;
    }
    for (TabPageEntry& row : m_table) {
        if (!row.page->OnClose()) {
            event->ignore();
            return;
        }
    }
    HelpWindow::Quit();
    event->accept();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event)
{
    // The window menu of a Linux desktop belongs to the window manager; the About entry lives here.
    const QString text = LoadString(kAboutMenuText);
    if (text.isEmpty())
        return;
    QMenu menu(this);
    menu.addAction(text, this, &MainWindow::ShowAbout);
    menu.exec(event->globalPos());
}
