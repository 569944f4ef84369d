#pragma once

#include "app/CTabDialog.h"

// The phone-book page. The editor comes in its own step; for now the page takes part in tab
// switching, the status bar and the handset refresh.
class CPhoneBookDlg : public CTabDialog {
    Q_OBJECT
public:
    using CTabDialog::CTabDialog;

    // The handset commands are enabled exactly when this is true.
    bool HandsetReady() const { return m_bHandsetReady; }
    void CheckHandset();

protected:
    void UpdateForHandset() override { CheckHandset(); }
    const char* LockOwnerName() const override { return "PhonebookDlg"; }
    void showEvent(QShowEvent* event) override;

private:
    bool m_bHandsetReady = false;
};
