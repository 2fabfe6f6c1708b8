// The tools page, whose dialog is shown as soon as it exists.
#pragma once

#include "AnyTabPage.h"

class CGameToolsPage : public CAnyTabPage {
public:
    int Create(CWnd* pParent, CAnyTab* pStrip) override;
};
