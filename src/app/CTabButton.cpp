#include "CTabButton.h"

CTabButton* CTabButton::g_selectedTab = nullptr;

CTabButton::~CTabButton()
{
    if (g_selectedTab == this)
        g_selectedTab = nullptr;
}

bool CTabButton::ShowsIn() const
{
    return g_selectedTab == this || CSkinButton::ShowsIn();
}

void CTabButton::OnClicked()
{
    CTabButton* old = g_selectedTab;
    g_selectedTab = this;
    if (old && old != this)
        old->update();
    update();
    CSkinButton::OnClicked();
}
