// The DC of a WM_PAINT handler: BeginPaint on construction, EndPaint when it goes.
#pragma once

#include "CDC.h"

class CWnd;

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps = {};  // the area to paint and whether to erase it

private:
    HWND m_hWnd;
};
