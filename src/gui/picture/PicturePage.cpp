#include "gui/picture/PicturePage.h"

void PicturePage::CheckHandset()
{
    m_handsetReady = SupportedHandsetAttached();
    m_statusBar->SetConnected(m_handsetReady ? 1 : 0);
}

void PicturePage::showEvent(QShowEvent* event)
{
    TabPage::showEvent(event);
    CheckHandset();
}
