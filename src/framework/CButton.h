// A push button, check box or radio button. An owner-drawn one (BS_OWNERDRAW)
// paints in DrawItem, which its parent's WM_DRAWITEM reaches through reflection.
#pragma once

#include "CWnd.h"

class CButton : public CWnd {
public:
    BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // the BS_ type and flags in the low word of the style
    UINT GetButtonStyle() const { return GetStyle() & 0xFFFF; }

    // Paints an owner-drawn button.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
