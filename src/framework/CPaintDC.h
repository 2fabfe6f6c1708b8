// The DC of a WM_PAINT handler: BeginPaint on construction, EndPaint when it goes.
#pragma once

#include "CClientDC.h"

class CPaintDC : public CClientDC {
public:
    explicit CPaintDC(CWnd* pWnd) : CClientDC(pWnd, true) {}
};
