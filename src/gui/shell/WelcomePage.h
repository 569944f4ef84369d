#pragma once

#include "gui/shell/TabPage.h"

class PictureButton;
class QLabel;

// The first page: the program's welcome, a link to the maker's web site, and the connection
// display, which it refreshes at start-up and after every device change.
class WelcomePage : public TabPage {
    Q_OBJECT
public:
    explicit WelcomePage(QWidget* parent = nullptr);

    void SetUpUi() override;
    // The status bar from the product id of the last scan, and the advice for a handset this
    // user may not open; touches no device.
    void ShowConnectionState();
    QLabel* AccessLabel() const { return m_accessLabel; }

    static constexpr const char* kMakerWebAddress = "https://orvak.example.com/";

protected:
    void UpdateForHandset() override { ShowConnectionState(); }
    const char* LockOwnerName() const override { return "WelcomeDlg"; }
    void showEvent(QShowEvent* event) override;

private:
    PictureButton* m_webLinkButton = nullptr;
    // Under the page's text, shown only for a handset this user may not open; the commands in it
    // can be selected and copied.
    QLabel* m_accessLabel = nullptr;
};
