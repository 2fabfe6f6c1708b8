// A static text control that behaves as a link: drawn in link colours, underlined
// while the mouse is over it, with a hand cursor and a tooltip showing the address,
// sized to its text, and opened with the shell (or the registered HTML browser)
// when clicked. The address is the control's text unless set otherwise.
#pragma once

#include "CStatic.h"
#include "CToolTipCtrl.h"

class CHyperLink : public CStatic {
public:
    CHyperLink();
    ~CHyperLink() override;

    BOOL DestroyWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PreSubclassWindow() override;

    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    BOOL OnEraseBkgnd(CDC* pDC);
    BOOL OnSetCursor(HWND hWnd, UINT nHitTest, UINT message);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    void OnClicked();

    void FitToText();
    void RedrawWithParent(int cyBelow);
    void LoadHandCursor();
    // the shell's result code: greater than 32 when the address was opened
    int OpenUrl(const CString& strUrl);
    void ShowOpenError(int nCode);

    COLORREF m_crNormal;
    COLORREF m_crVisited;
    COLORREF m_crHover;
    BOOL m_bHovering = FALSE;
    BOOL m_bVisited = FALSE;
    int m_nUnderlineMode = -1;  // -1: underlined only while hovering; 1: always
    BOOL m_bFitToText = TRUE;
    CString m_strUrl;
    CFont m_fontUnderline;
    CFont m_fontPlain;
    HCURSOR m_hHandCursor = nullptr;  // a copy of its own, destroyed with the link
    CToolTipCtrl m_tipCtrl;
    int m_nHoverTimer = 100;

    DECLARE_MESSAGE_MAP()
};
