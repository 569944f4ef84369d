#include "gui/shell/WelcomePage.h"

#include "gui/shell/PictureButton.h"
#include "gui/shell/PictureIds.h"

#include <QLabel>

namespace {

constexpr std::uint32_t kWebLinkTip = 269;

}  // namespace

WelcomePage::WelcomePage(QWidget* parent) : TabPage(parent)
{
    m_webLinkButton = new PictureButton(this);
    m_webLinkButton->setObjectName(QStringLiteral("webLink"));
    m_accessLabel = new QLabel(this);
    m_accessLabel->setObjectName(QStringLiteral("accessAdvice"));
    m_accessLabel->setWordWrap(true);
    m_accessLabel->setTextFormat(Qt::PlainText);
    m_accessLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_accessLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The colours of the page's text and of the status bar, with the red edge of a warning.
    m_accessLabel->setStyleSheet(QStringLiteral(
        "QLabel { background: #EEF1F5; color: #1B2631; border: 1px solid #C9D1DB;"
        " border-left: 3px solid #C0392B; padding: 4px 8px; font-family: 'DejaVu Sans'; font-size: 12px; }"));
    m_accessLabel->hide();
}

void WelcomePage::SetUpUi()
{
    TabPage::SetUpUi();
    m_webLinkButton->SetBitmaps(picture::kWebLinkIn, 0, picture::kWebLinkOut, 0);
    m_webLinkButton->SetAlign(3);
    m_webLinkButton->SetUrl(QString::fromLatin1(kMakerWebAddress));
    m_webLinkButton->setGeometry(125, 380, 387, 33);
    m_webLinkButton->UseBalloonTooltip();
    m_webLinkButton->SetTooltipText(kWebLinkTip);
    m_webLinkButton->DrawFlatFocus(true);
    m_webLinkButton->setAccessibleName(tr("Orvak web site"));
    m_accessLabel->setGeometry(40, 288, 560, 84);
}

void WelcomePage::ShowConnectionState()
{
    ShowConnection(AcceptedProductId() != 0);
    const QString advice = StatusBar::AccessAdvice();
    m_accessLabel->setText(advice);
    m_accessLabel->setVisible(!advice.isEmpty());
}

void WelcomePage::showEvent(QShowEvent* event)
{
    TabPage::showEvent(event);
    ShowConnectionState();
}
