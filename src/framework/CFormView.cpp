#include "CFormView.h"

BOOL CFormView::Create(CWnd* pParentWnd, UINT nID) {
    CREATESTRUCTA cs = {};
    cs.style = WS_CHILD | WS_VISIBLE | WS_BORDER;
    cs.hwndParent = pParentWnd->m_hWnd;
    if (!PreCreateWindow(cs)) return FALSE;  // the view may change its style

    if (!CreateFromTemplate(m_nIDTemplate, pParentWnd->m_hWnd)) return FALSE;

    // the template says what the controls are; the view decides its own frame
    const DWORD kViewBits = WS_BORDER | WS_VISIBLE | WS_CHILD;
    DWORD style = (GetStyle() & ~kViewBits) | (static_cast<DWORD>(cs.style) & kViewBits);
    ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(style));
    ::SetWindowLongPtrA(m_hWnd, GWLP_ID, static_cast<LONG_PTR>(nID));
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (style & WS_VISIBLE) ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

void CFormView::OnInitialUpdate() {
    UpdateData(FALSE);
    CView::OnInitialUpdate();
}
