#include "CFormView.h"

#include "CDialog.h"

BOOL CFormView::Create(CWnd* pParentWnd, UINT nID) {
    CREATESTRUCTA cs = {};
    cs.style = WS_CHILD | WS_VISIBLE | WS_BORDER;
    cs.hwndParent = pParentWnd->m_hWnd;
    if (!PreCreateWindow(cs)) return FALSE;  // the view may change its style

    HookWindowCreate(this, CDialog::kDialogClass);
    HWND hWnd = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate),
                                     pParentWnd->m_hWnd, &CDialog::DialogProc, 0);
    UnhookWindowCreate();
    if (!CheckCreated(hWnd)) return FALSE;

    // the template says what the controls are; the view decides its own frame
    const DWORD kViewBits = WS_BORDER | WS_VISIBLE | WS_CHILD;
    DWORD style = (GetStyle() & ~kViewBits) | (static_cast<DWORD>(cs.style) & kViewBits);
    ::SetWindowLongA(hWnd, GWL_STYLE, static_cast<LONG>(style));
    ::SetWindowLongPtrA(hWnd, GWLP_ID, static_cast<LONG_PTR>(nID));
    ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (style & WS_VISIBLE) ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

void CFormView::OnInitialUpdate() {
    UpdateData(FALSE);
    CView::OnInitialUpdate();
}

// The frame's accelerators come before the dialog keys: IsDialogMessage would
// otherwise take every key that reaches the form.
BOOL CFormView::PreTranslateMessage(MSG* pMsg) {
    if (PreTranslateInTopLevel(pMsg)) return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        return ::IsDialogMessageA(m_hWnd, pMsg);
    }
    return FALSE;
}
