// The DC of a window's client area (or of the screen, for no window), given back
// when it goes out of scope. CPaintDC is the same owner for a WM_PAINT handler.
#pragma once

#include "CDC.h"

class CWnd;

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd) : CClientDC(pWnd, false) {}
    ~CClientDC() override;

    PAINTSTRUCT m_ps = {};  // for a paint DC: the area to paint and whether to erase it

protected:
    // bPaint: BeginPaint's DC, given back by EndPaint, rather than GetDC's
    CClientDC(CWnd* pWnd, bool bPaint);

private:
    HWND m_hWnd;
    bool m_bPaint;
};
