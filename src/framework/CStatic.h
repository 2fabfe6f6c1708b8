// A static control: text, an icon or a bitmap. An owner-drawn one (SS_OWNERDRAW)
// paints in DrawItem, which its parent's WM_DRAWITEM reaches through reflection.
// SS_NOTIFY makes it send STN_CLICKED.
#pragma once

#include "CWnd.h"

class CStatic : public CWnd {
public:
    BOOL Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID = 0xFFFF);

    // the image of an SS_ICON or SS_BITMAP control; the caller keeps owning it
    HICON SetIcon(HICON hIcon) {
        return reinterpret_cast<HICON>(
            SendMessage(STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon)));
    }
    HICON GetIcon() const {
        return reinterpret_cast<HICON>(::SendMessageA(m_hWnd, STM_GETIMAGE, IMAGE_ICON, 0));
    }
    HBITMAP SetBitmap(HBITMAP hBitmap) {
        return reinterpret_cast<HBITMAP>(
            SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
    }

    // Paints an owner-drawn static control.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
