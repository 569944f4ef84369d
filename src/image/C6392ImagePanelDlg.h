#pragma once

#include "app/CTabDialog.h"

// The picture page. The editor comes in its own step; for now the page takes part in tab
// switching, the status bar and the handset refresh.
class C6392ImagePanelDlg : public CTabDialog {
    Q_OBJECT
public:
    using CTabDialog::CTabDialog;

    bool HandsetReady() const { return m_bHandsetReady; }
    void CheckHandset();

protected:
    void UpdateForHandset() override { CheckHandset(); }
    const char* LockOwnerName() const override { return "ImagePanelDialog"; }
    void showEvent(QShowEvent* event) override;

private:
    bool m_bHandsetReady = false;
};
