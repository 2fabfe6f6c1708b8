// An owner-drawn push button: flat until the pointer is over it, then raised on a
// lighter background; sunken while pressed; an icon beside or above its caption,
// and colours of its own for the pointer-over, pointer-away and focused looks.
// It takes over a button of a dialog template and draws it entirely itself.
#pragma once

#include "CButton.h"
#include "CDC.h"
#include "CToolTipCtrl.h"

class CButtonST : public CButton {
public:
    // colour slots
    enum {
        ColourBackIn = 0,  // background while hovered or pressed
        ColourForeIn,      // caption while hovered or pressed
        ColourBackOut,     // background otherwise
        ColourForeOut,     // caption otherwise
        ColourBackFocus,   // background when focused, neither hovered nor pressed
        ColourForeFocus,   // kept, not drawn
        ColourCount
    };
    // icon placement: left of, above or right of the caption
    enum { AlignHorizontal = 0, AlignVertical = 1, AlignHorizontalRight = 2 };
    // as the out icon of SetIcons: a grey copy of the in icon
    static const HICON kGreyIcon;

    CButtonST();
    ~CButtonST() override;

    // 0, and the button owns the icons from now on; or 1 when an icon's information
    // cannot be read: the button then has none, and the caller keeps both.
    DWORD SetIcons(HICON hIconIn, HICON hIconOut = nullptr);
    void SetColour(BYTE nIndex, COLORREF crColour);
    void LightenHoverColour();
    void SetAlignment(BYTE nAlign);

    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    virtual void OnDrawBackground(CDC* pDC, const RECT& rect);
    virtual void OnDrawBorder(CDC* pDC, const RECT& rect);

    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseLeave();
    void OnKillFocus(CWnd* pNewWnd);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnCancelMode();
    void OnEnable(BOOL bEnable);
    UINT OnGetDlgCode();
    LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetCheck(WPARAM wParam, LPARAM lParam);
    BOOL OnClicked();
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

protected:
    DECLARE_MESSAGE_MAP()

    struct Icon {
        HICON hIcon = nullptr;
        DWORD dwWidth = 0;
        DWORD dwHeight = 0;
    };

    void EndHover();
    void ReadItemState(UINT nState);
    BOOL IsHot() const { return m_bHover || m_bPressed; }

    BOOL m_bHover = FALSE;
    BOOL m_bPressed = FALSE;
    BOOL m_bFocused = FALSE;
    BOOL m_bDisabled = FALSE;
    BOOL m_bDefault = FALSE;
    BOOL m_bCheckBox = FALSE;
    BYTE m_nAlign = AlignHorizontal;
    COLORREF m_crColours[ColourCount];
    CToolTipCtrl m_tooltip;
    int m_nCheck = 0;
    Icon m_icons[2];

private:
    BOOL StoreIcon(int nIndex, HICON hIcon);
    void FreeIcons();
    void DrawIcon(CDC* pDC, const RECT& rcItem, RECT* pCaption, BOOL bHasCaption);
    void DrawCaption(CDC* pDC, RECT rcCaption, const CString& strCaption);
};
