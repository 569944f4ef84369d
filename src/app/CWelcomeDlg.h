#pragma once

#include "CTabDialog.h"

class CSkinButton;

// The first page: the program's welcome, a link to the maker's web site, and the connection
// display, which it refreshes at start-up and after every device change.
class CWelcomeDlg : public CTabDialog {
    Q_OBJECT
public:
    explicit CWelcomeDlg(QWidget* parent = nullptr);

    void OnInitDialog() override;
    // The status bar from the product id of the last scan; touches no device.
    void ShowConnectionState();

    static constexpr const char* kMakerWebAddress = "https://orvak.example.com/";

protected:
    void UpdateForHandset() override { ShowConnectionState(); }
    const char* LockOwnerName() const override { return "WelcomeDlg"; }
    void showEvent(QShowEvent* event) override;

private:
    CSkinButton* m_webLinkButton = nullptr;
};
