#include "C6392ImagePanelDlg.h"

void C6392ImagePanelDlg::CheckHandset()
{
    m_bHandsetReady = SupportedHandsetAttached();
    m_statusBar->SetConnected(m_bHandsetReady ? 1 : 0);
}

void C6392ImagePanelDlg::showEvent(QShowEvent* event)
{
    CTabDialog::showEvent(event);
    CheckHandset();
}
