// The play-game page, whose dialog starts the game.
#pragma once

#include "AnyTabPage.h"

class CCliengPage : public CAnyTabPage {
public:
    int Create(CWnd* pParent, CAnyTab* pStrip) override;
    // the game's start
    BOOL DoDeferredWork() override;
};
