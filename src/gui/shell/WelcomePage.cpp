#include "gui/shell/WelcomePage.h"

#include "gui/shell/PictureButton.h"
#include "gui/shell/PictureIds.h"

namespace {

constexpr std::uint32_t kWebLinkTip = 269;

}  // namespace

WelcomePage::WelcomePage(QWidget* parent) : TabPage(parent)
{
    m_webLinkButton = new PictureButton(this);
    m_webLinkButton->setObjectName(QStringLiteral("webLink"));
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
}

void WelcomePage::ShowConnectionState()
{
    m_statusBar->SetConnected(SupportedHandsetAttached() ? 1 : 0);
}

void WelcomePage::showEvent(QShowEvent* event)
{
    TabPage::showEvent(event);
    ShowConnectionState();
}
