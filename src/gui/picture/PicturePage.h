#pragma once

#include "gui/shell/TabPage.h"

// The picture page. The editor comes in its own step; for now the page takes part in tab
// switching, the status bar and the handset refresh.
class PicturePage : public TabPage {
    Q_OBJECT
public:
    using TabPage::TabPage;

    bool HandsetReady() const { return m_handsetReady; }
    void CheckHandset();

protected:
    void UpdateForHandset() override { CheckHandset(); }
    const char* LockOwnerName() const override { return "ImagePanelDialog"; }
    void showEvent(QShowEvent* event) override;

private:
    bool m_handsetReady = false;
};
