#include "gui/shell/TabPage.h"

#include "gui/shell/WelcomePage.h"

#include "gui/shell/PictureButton.h"

#include "gui/shell/Artwork.h"
#include "gui/shell/PictureIds.h"

#include "core/common/AppEvents.h"
#include "core/common/Cp1252.h"
#include "core/common/Log.h"
#include "core/common/StringTable.h"
#include "core/handset/HandsetAccessAdvice.h"
#include "core/handset/HandsetLink.h"
#include "core/handset/HandsetIds.h"
#include "core/handset/Timeouts.h"
#include "core/transfer/HandsetInfoTransfer.h"
#include "core/transfer/HandsetOperation.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include <utility>

namespace {

constexpr std::uint32_t kNotConnected = 373;
// Pane 1 holds 21 average characters; 55 pixels are left over for pane 2.
constexpr int kPane1Chars = 21;
constexpr int kPane2Room = 55;
// The focus ring around a marked control: its width and its gap to the control.
constexpr int kRingWidth = 2;
constexpr int kRingGap = 1;

}  // namespace

TabPage::TabPage(QWidget* parent) : QWidget(parent)
{
    m_statusBar = new StatusBar(this);
    m_handsetNote = new QLabel(this);
    m_handsetNote->setObjectName(QStringLiteral("handsetNote"));
    m_handsetNote->setWordWrap(true);
    m_handsetNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_handsetNote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_handsetNote->hide();
    connect(qApp, &QApplication::focusChanged, this, &TabPage::OnFocusChanged);
}

TabPage::~TabPage()
{
    // A page shown as a window of its own (in tests) closes it in ~QWidget, which moves the focus
    // when by then the page is no TabPage any more.
    disconnect(qApp, &QApplication::focusChanged, this, &TabPage::OnFocusChanged);
}

void TabPage::MarkFocusAround(QWidget* control)
{
    m_ringedControls.push_back(control);
}

void TabPage::OnFocusChanged(QWidget* old, QWidget* now)
{
    for (QWidget* control : m_ringedControls) {
        if (control == old || control == now) {
            const int out = kRingWidth + kRingGap;
            update(control->geometry().adjusted(-out, -out, out, out));
        }
    }
}

void TabPage::SetUpUi()
{
    m_background = Artwork::Picture(static_cast<int>(m_backgroundBitmapId & 0xFFFF));
    RebuildStatusPane();
}

bool TabPage::SupportedHandsetAttached()
{
    std::uint16_t product = 0;
    HandsetLink::FindHandset(product, false);
    return product == kProductId6392;
}

std::uint16_t TabPage::AcceptedProductId()
{
    std::uint16_t product = 0;
    if (!HandsetLink::FindHandset(product, false))
        return 0;
    return HandsetLink::IsAcceptedDevice(HandsetLink::VendorId(), product) ? product : 0;
}

void TabPage::RebuildStatusPane()
{
    const int paneHeight = StatusBar::PaneHeight();
    m_statusBar->setGeometry(0, height() - paneHeight, width(), paneHeight);
    m_statusBar->SetPaneBitmaps(Artwork::Picture(picture::kHandsetConnected), Artwork::Picture(picture::kNoHandset));
    m_statusBar->SetNotConnectedText(LoadString(kNotConnected));
    const int w1 = kPane1Chars * fontMetrics().averageCharWidth();
    m_statusBar->SetPaneWidths(width() - w1 - kPane2Room, w1);
    ShowConnection(AcceptedProductId() != 0);
    m_statusBar->SetPaneText(0, QString());
    m_statusBar->show();
}

void TabPage::ShowConnection(bool connected)
{
    m_statusBar->SetConnected(connected ? 1 : 0);
    m_statusBar->SetAccessAdvice(connected ? QString() : AccessAdvice());
}

void TabPage::ShowHandsetState(const QString& note, const QString& command)
{
    const std::uint16_t product = AcceptedProductId();
    ShowConnection(product != 0);
    if (product == 0 || product == kProductId6392) {
        m_handsetNote->hide();
        return;
    }
    // The handset answers `dialbook` like the model the pages serve, but the pages were made
    // for that model only: say so where the disabled buttons are, not in a box to dismiss.
    const QString hex = QString::number(product, 16).rightJustified(4, u'0').toUpper();
    m_handsetNote->setText(note.arg(hex, command));
    QRect place = HandsetNotePlace();
    place.setHeight(std::max(place.height(), m_handsetNote->heightForWidth(place.width())));
    m_handsetNote->setGeometry(place);
    m_handsetNote->show();
    m_handsetNote->raise();
}

QString TabPage::AccessAdvice()
{
    if (HandsetLink::DeniedProductId() == 0)
        return {};
    // Said to the person at the window; the paths and commands are those `dialbook` names.
    HandsetAccessAdvice::Wording wording;
    wording.notPermitted = tr("An Orvak handset is plugged in, but you may not open it yet.");
    wording.replug = tr("Unplug it and plug it in again, so that the udev rule %1 applies to it.");
    wording.installPackage = tr("Install the orvak-dialbook package, whose udev rule %1 lets you open it, "
                                "then unplug the handset and plug it in again.");
    wording.installFromSource = tr("To let you open it, install the udev rule from the source tree in a "
                                   "terminal:\n%1");
    return HandsetAccessAdvice::ForThisSystem().Text(wording);
}

void TabPage::SetUpButton(PictureButton* button, const QRect& place, int in, int out, int disabled,
                          std::uint32_t tip, bool webLink)
{
    button->SetBitmaps(in, 0, out, 0, disabled, 0);
    button->SetAlign(3);
    if (webLink)
        button->SetUrl(QString::fromLatin1(WelcomePage::kMakerWebAddress));
    button->setGeometry(place);
    button->UseBalloonTooltip();
    button->SetTooltipText(tip);
    button->DrawFlatFocus(true);
}

void TabPage::ShowPathInPane(const QString& path)
{
    const int width = m_statusBar->PaneRect(0).width() - 8;
    m_statusBar->SetPaneText(0, m_statusBar->fontMetrics().elidedText(path, Qt::ElideMiddle, width));
}

void TabPage::BeginProgress(std::uint32_t cancelTextId, std::uint32_t statusTextId)
{
    ++s_busyDepth;
    if (m_busyDepth++ > 0) {
        // Inside the page's own running operation: the window, its Cancel and the disabled
        // page stay as they are; only the line says what happens now.
        m_progressDialog.SetStatusText(statusTextId);
        return;
    }
    m_focusBefore = QApplication::focusWidget();
    repaint();
    setEnabled(false);
    if (m_mainWindow)
        m_mainWindow->setEnabled(false);
    if (cancelTextId != 0)
        m_progressDialog.SetCancelTextId(cancelTextId);
    if (!m_progressDialog.HasWindow())
        m_progressDialog.CreateWindow(this);
    if (cancelTextId == 0)
        m_progressDialog.DisableCancel();
    m_progressDialog.ShowWindow();
    m_progressDialog.SetStatusText(statusTextId);
    m_progressDialog.SetStep(10);
}

void TabPage::EndProgress()
{
    if (m_busyDepth == 0) {
        // No bracket of this page is open: nothing of it to end, and another page's running
        // operation must keep the window disabled.
        if (s_busyDepth == 0)
            RestoreFocus();
        return;
    }
    --s_busyDepth;
    if (--m_busyDepth > 0)
        return;
    m_progressDialog.DestroyWindow();
    setEnabled(true);
    if (s_busyDepth > 0)
        return;
    if (m_mainWindow) {
        m_mainWindow->setEnabled(true);
        m_mainWindow->activateWindow();
        m_mainWindow->raise();
    }
    RestoreFocus();
    // The notices that came while the window was busy, as one, once the ending code has run.
    if (std::exchange(s_handsetNoticeHeld, false))
        QCoreApplication::postEvent(m_mainWindow ? static_cast<QObject*>(m_mainWindow) : this,
                                    new QEvent(HandsetChangedEvent));
}

void TabPage::RestoreFocus()
{
    QWidget* before = m_focusBefore;
    m_focusBefore = nullptr;
    if (before && before->isVisible() && before->isEnabled() && isAncestorOf(before))
        before->setFocus(Qt::OtherFocusReason);
    else
        setFocus();
}

bool TabPage::IsBusy()
{
    return s_busyDepth > 0;
}

bool TabPage::HoldHandsetNoticeWhileBusy()
{
    if (!IsBusy())
        return false;
    s_handsetNoticeHeld = true;
    return true;
}

void TabPage::OnHandsetChanged()
{
    if (!m_pageLock.TryAcquireFor(HandsetTimeouts().pageLockMs)) {
        qCDebug(lcDialbook, "Timeout waiting for Access to lock in %s!", LockOwnerName());
        return;
    }
    // Every accepted model tells its name, also one whose features the page does not offer.
    if (AcceptedProductId() != 0) {
        BeginProgress(0, ToId(Msg::ReceivingHandsetInfo));
        HandsetInfoTransfer transfer;
        transfer.SetProgressDialog(&m_progressDialog);
        HandsetInfo info;
        const Msg result = HandsetOperation::Run(m_progressDialog, [&] { return transfer.GetInfo(info); });
        if (result == Msg::Ok)
            SharedHandsetInfo() = info;
        EndProgress();
        m_statusBar->SetHandsetName(result == Msg::Ok ? Cp1252::ToUnicode(info.name) : QString());
        OnHandsetInfoRead(result);
    }
    UpdateForHandset();
    m_pageLock.Release();
}

bool TabPage::event(QEvent* event)
{
    if (event->type() == HandsetChangedEvent) {
        if (HoldHandsetNoticeWhileBusy())
            return true;
        // A question of a page's flow is open: the window keeps the notice until it is answered.
        if (QApplication::activeModalWidget() && m_mainWindow) {
            QCoreApplication::postEvent(m_mainWindow, new QEvent(HandsetChangedEvent));
            return true;
        }
        OnHandsetChanged();
        return true;
    }
    return QWidget::event(event);
}

void TabPage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_background.isNull())
        p.fillRect(rect(), Qt::white);
    else
        p.drawTiledPixmap(rect(), m_background);
    for (const QWidget* control : m_ringedControls) {
        if (!control->hasFocus() || !control->isVisible())
            continue;
        const qreal out = kRingGap + kRingWidth / 2.0;
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), kRingWidth));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(control->geometry()).adjusted(-out, -out, out, out), kRingWidth, kRingWidth);
    }
}

void TabPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    RebuildStatusPane();
}

void TabPage::keyPressEvent(QKeyEvent* event)
{
    // Enter and Esc do nothing inside a page.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
