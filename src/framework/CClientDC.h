// The DC of a window's client area (or of the screen, for no window), released
// when it goes out of scope.
#pragma once

#include "CDC.h"

class CWnd;

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};
