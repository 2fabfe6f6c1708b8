// A static control. An owner-drawn one (SS_OWNERDRAW)
// paints in DrawItem, which its parent's WM_DRAWITEM reaches through reflection.
// SS_NOTIFY makes it send STN_CLICKED.
#pragma once

#include "CWnd.h"

class CStatic : public CWnd {
public:
    BOOL Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID = 0xFFFF);

    // Paints an owner-drawn static control.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
