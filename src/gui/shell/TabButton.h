#pragma once

#include "gui/shell/PictureButton.h"

// A tab of the main window: a picture button that also stays lit while it is the selected tab.
class TabButton : public PictureButton {
    Q_OBJECT
public:
    using PictureButton::PictureButton;
    ~TabButton() override;

    // The tab drawn as selected; set at start-up and by each tab click.
    static TabButton* g_selectedTab;

protected:
    bool ShowsIn() const override;
    void OnClicked() override;
};
