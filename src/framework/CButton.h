// A push button, check box or radio button. An owner-drawn one (BS_OWNERDRAW)
// paints in DrawItem, which its parent's WM_DRAWITEM reaches through reflection.
#pragma once

#include "CWnd.h"

class CButton : public CWnd {
public:
    BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // BST_PUSHED, BST_FOCUS, BST_CHECKED... of the button now
    UINT GetState() const { return static_cast<UINT>(Send(BM_GETSTATE, 0, 0)); }
    void SetState(BOOL bHighlight) { Send(BM_SETSTATE, static_cast<WPARAM>(bHighlight), 0); }
    int GetCheck() const { return static_cast<int>(Send(BM_GETCHECK, 0, 0)); }
    void SetCheck(int nCheck) { Send(BM_SETCHECK, static_cast<WPARAM>(nCheck), 0); }
    // the BS_ type and flags in the low word of the style
    UINT GetButtonStyle() const { return GetStyle() & 0xFFFF; }
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE) {
        Send(BM_SETSTYLE, nStyle, static_cast<LPARAM>(bRedraw));
    }
    // the image of a BS_ICON or BS_BITMAP button; the caller keeps owning it
    HICON SetIcon(HICON hIcon) {
        return reinterpret_cast<HICON>(
            Send(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon)));
    }
    HICON GetIcon() const { return reinterpret_cast<HICON>(Send(BM_GETIMAGE, IMAGE_ICON, 0)); }
    HBITMAP SetBitmap(HBITMAP hBitmap) {
        return reinterpret_cast<HBITMAP>(
            Send(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
    }

    // Paints an owner-drawn button.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
};
