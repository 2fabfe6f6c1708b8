// The DC of a whole window, frame included (or of the screen, for no window),
// released when it goes out of scope.
#pragma once

#include "CDC.h"

class CWnd;

class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

private:
    HWND m_hWnd;
};
