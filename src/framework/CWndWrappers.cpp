// The thin wrappers of window functions that do more than forward one call.
#include "CWnd.h"

CString CWnd::GetWindowText() const {
    int n = ::GetWindowTextLengthA(m_hWnd);
    std::string text(static_cast<size_t>(n) + 1, '\0');
    n = ::GetWindowTextA(m_hWnd, &text[0], n + 1);
    text.resize(static_cast<size_t>(n > 0 ? n : 0));
    return CString(text);
}

// A child is centred on its parent; a top-level window on the work area of the
// screen it is on.
void CWnd::CenterWindow() {
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    CRect rcArea;
    HWND hParent = (GetStyle() & WS_CHILD) ? ::GetParent(m_hWnd) : nullptr;
    if (hParent) {
        ::GetClientRect(hParent, &rcArea);
    } else {
        MONITORINFO mi = {};
        mi.cbSize = sizeof(mi);
        ::GetMonitorInfoA(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &mi);
        rcArea = mi.rcWork;
    }
    int x = rcArea.left + (rcArea.Width() - rcWnd.Width()) / 2;
    int y = rcArea.top + (rcArea.Height() - rcWnd.Height()) / 2;
    // keep the top-left corner on the area when the window is larger than it
    if (!hParent) {
        if (x < rcArea.left) x = rcArea.left;
        if (y < rcArea.top) y = rcArea.top;
    }
    SetWindowPos(nullptr, x, y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

namespace {
// Every message reaches the window's CWnd first: the system does the rest.
INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}
}  // namespace

BOOL CWnd::CreateFromTemplate(UINT nIDTemplate, HWND hParent) {
    HookWindowCreate(this, "#32770");  // the system's dialog class
    HWND hWnd = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIDTemplate),
                                     hParent, &DialogProc, 0);
    UnhookWindowCreate();
    return CheckCreated(hWnd);
}

// IsDialogMessage takes every key: a dialog inside another window lets the
// top-level window (its accelerators) see the key first.
BOOL CWnd::PreTranslateDialogKeys(MSG* pMsg) {
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)) return FALSE;
    if (PreTranslateInTopLevel(pMsg)) return TRUE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    DWORD dwOld = GetStyle();
    DWORD dwNew = (dwOld & ~dwRemove) | dwAdd;
    if (dwNew == dwOld) return FALSE;
    ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(dwNew));
    if (nFlags) {
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    }
    return TRUE;
}
