// The workspace's tab strip: the skin's tab faces, 40-pixel tabs in a centred
// row, and pages that are tab page objects.
#pragma once

#include "AnyTab.h"

class CPageTab : public CAnyTab {
public:
    // loads the tab faces and the background from the skin
    CPageTab();

    RECT* GetTabRect(RECT* pRect, int index) override;
    void ShowPage(int index, int nCmdShow) override;
    void DestroyPage(CAnyTabPage* pPage) override;
};
