#include "CPhoneBookDlg.h"

void CPhoneBookDlg::CheckHandset()
{
    m_bHandsetReady = SupportedHandsetAttached();
    m_statusBar->SetConnected(m_bHandsetReady ? 1 : 0);
}

void CPhoneBookDlg::showEvent(QShowEvent* event)
{
    CTabDialog::showEvent(event);
    CheckHandset();
}
