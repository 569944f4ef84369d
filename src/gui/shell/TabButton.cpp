#include "gui/shell/TabButton.h"

TabButton* TabButton::g_selectedTab = nullptr;

TabButton::~TabButton()
{
    if (g_selectedTab == this)
        g_selectedTab = nullptr;
}

bool TabButton::ShowsIn() const
{
    return g_selectedTab == this || PictureButton::ShowsIn();
}

void TabButton::OnClicked()
{
    TabButton* old = g_selectedTab;
    g_selectedTab = this;
    if (old && old != this)
        old->update();
    update();
    PictureButton::OnClicked();
}
