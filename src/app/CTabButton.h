#pragma once

#include "CSkinButton.h"

// A tab of the main window: a picture button that also stays lit while it is the selected tab.
class CTabButton : public CSkinButton {
    Q_OBJECT
public:
    using CSkinButton::CSkinButton;
    ~CTabButton() override;

    // The tab drawn as selected; set at start-up and by each tab click.
    static CTabButton* g_selectedTab;

protected:
    bool ShowsIn() const override;
    void OnClicked() override;
};
