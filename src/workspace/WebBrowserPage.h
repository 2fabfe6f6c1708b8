// The web page of the forum or of a configured site.
#pragma once

#include "AnyTabPage.h"

class CWebBrowserPage : public CAnyTabPage {
public:
    int Create(CWnd* pParent, CAnyTab* pStrip) override;
    // the browser, made and sent to its address
    BOOL DoDeferredWork() override;
};
