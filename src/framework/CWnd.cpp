#include "CWnd.h"

#include <unordered_map>

#include "Afx.h"
#include "CDataExchange.h"

namespace {

// Every attached window, by handle. Everything runs on the one UI thread.
std::unordered_map<HWND, CWnd*>& PermanentMap() {
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

// The CWnd waiting for its window to be created, the class that window will have,
// and the hook that catches it.
CWnd* g_pWndInit = nullptr;
LPCSTR g_lpszInitClass = nullptr;
HHOOK g_hHookCbt = nullptr;

// Whether hWnd is of class lpszClass (a name or an atom; null matches any).
bool IsOfClass(HWND hWnd, LPCSTR lpszClass) {
    if (!lpszClass) return true;
    if (IS_INTRESOURCE(lpszClass)) {
        return ::GetClassWord(hWnd, GCW_ATOM) == LOWORD(reinterpret_cast<UINT_PTR>(lpszClass));
    }
    char name[256] = {};
    ::GetClassNameA(hWnd, name, sizeof(name));
    return ::lstrcmpiA(name, lpszClass) == 0;
}

}  // namespace

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::~CWnd() {
    if (!m_hWnd || FromHandlePermanent(m_hWnd) != this) return;
    m_bAutoDelete = false;  // being deleted already: the window's end must not delete it again
    ::DestroyWindow(m_hWnd);
    if (m_hWnd) UnsubclassWindow();  // a window of another thread outlives us
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    auto it = PermanentMap().find(hWnd);
    return it == PermanentMap().end() ? nullptr : it->second;
}

void CWnd::Attach(HWND hWnd) {
    m_hWnd = hWnd;
    PermanentMap()[hWnd] = this;
}

void CWnd::Detach() {
    if (FromHandlePermanent(m_hWnd) == this) PermanentMap().erase(m_hWnd);
    m_hWnd = nullptr;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!hWnd || m_hWnd || FromHandlePermanent(hWnd)) return FALSE;
    Attach(hWnd);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StandardWndProc)));
    if (!m_pfnSuper) {  // not ours to subclass (another process's window, say)
        Detach();
        return FALSE;
    }
    try {
        PreSubclassWindow();
    } catch (...) {
        UnsubclassWindow();  // half taken over is not taken over
        throw;
    }
    return TRUE;
}

void CWnd::UnsubclassWindow() {
    if (m_pfnSuper) {
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        m_pfnSuper = nullptr;
    }
    Detach();
}

void CWnd::PreSubclassWindow() {}

void CWnd::HookWindowCreate(CWnd* pWnd, LPCSTR lpszClass) {
    if (!g_hHookCbt) {
        g_hHookCbt = ::SetWindowsHookExA(WH_CBT, &CbtFilterHook, nullptr, ::GetCurrentThreadId());
    }
    g_pWndInit = pWnd;
    g_lpszInitClass = lpszClass;
}

void CWnd::UnhookWindowCreate() {
    if (g_hHookCbt) {
        ::UnhookWindowsHookEx(g_hHookCbt);
        g_hHookCbt = nullptr;
    }
    g_pWndInit = nullptr;
}

// The window of the awaited class belongs to the waiting CWnd: it is subclassed
// before it receives its first message. Windows the system makes on the way (an
// input-method window, say) are left alone.
LRESULT CALLBACK CWnd::CbtFilterHook(int code, WPARAM wParam, LPARAM lParam) {
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND && g_pWndInit && IsOfClass(hWnd, g_lpszInitClass)) {
        CWnd* pWnd = g_pWndInit;
        g_pWndInit = nullptr;
        try {
            pWnd->SubclassWindow(hWnd);
        } catch (...) {
            // PreSubclassWindow failed: CreateEx finds no window attached and fails
        }
    }
    return ::CallNextHookEx(g_hHookCbt, code, wParam, lParam);
}

BOOL CWnd::CheckCreated(HWND hWnd) {
    if (hWnd && hWnd == m_hWnd) return TRUE;
    if (hWnd) ::DestroyWindow(hWnd);  // a window we could not attach is of no use
    if (m_hWnd) UnsubclassWindow();
    return FALSE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA&) {
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenuOrID,
                    LPVOID lpParam) {
    CREATESTRUCTA cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = hMenuOrID;
    cs.hInstance = ::GetModuleHandleA(nullptr);
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) return FALSE;
    HookWindowCreate(this, cs.lpszClass);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName,
                                  static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    UnhookWindowCreate();
    return CheckCreated(hWnd);
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    return ::DestroyWindow(m_hWnd);
}

LRESULT CALLBACK CWnd::StandardWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (!pWnd) return ::DefWindowProcA(hWnd, message, wParam, lParam);

    MSG msg = {hWnd, message, wParam, lParam, 0, {0, 0}};
    const MSG* pOuter = pWnd->m_pCurrentMsg;
    pWnd->m_pCurrentMsg = &msg;
    LRESULT result = 0;
    try {
        result = pWnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        // A handler failed: the message ends here (a window being created is refused).
        // Nothing may unwind through the system's frames.
        result = message == WM_CREATE ? -1 : 0;
    }
    if (message == WM_NCDESTROY) {
        // the window is gone: give the object back its freedom, then let it go
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pWnd->m_pfnSuper));
        pWnd->m_pfnSuper = nullptr;
        pWnd->Detach();
        pWnd->m_pCurrentMsg = nullptr;
        pWnd->PostNcDestroy();  // may delete pWnd
        return result;
    }
    pWnd->m_pCurrentMsg = pOuter;
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT reflected = 0;
    if (ReflectToChild(message, wParam, lParam, &reflected)) return reflected;
    if (message == WM_COMMAND) {
        if (OnCommand(wParam, lParam)) return 0;
    } else {
        LRESULT result = 0;
        if (ProcessMessageMap(message, wParam, lParam, result)) return result;
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    if (!m_pCurrentMsg) return 0;
    const MSG& msg = *m_pCurrentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

void CWnd::PostNcDestroy() {
    if (m_bAutoDelete) delete this;
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(MSG* pMsg) {
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg)) return TRUE;
        if (!(::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD)) break;  // top-level reached
    }
    return FALSE;
}

BOOL CWnd::PreTranslateInTopLevel(MSG* pMsg) const {
    if (!(GetStyle() & WS_CHILD)) return FALSE;
    CWnd* pTop = FromHandlePermanent(::GetAncestor(m_hWnd, GA_ROOT));
    return pTop && pTop != this && pTop->PreTranslateMessage(pMsg);
}

// Menus (code 0) and accelerators (code 1) both issue plain commands (code 0);
// controls keep their notification code.
BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    return OnCmdMsg(LOWORD(wParam), lParam ? HIWORD(wParam) : 0, lParam);
}

// The control a notification is about, if it has a CWnd of its own, sees it first.
BOOL CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    HWND hChild = nullptr;
    if (message == WM_COMMAND) {
        hChild = reinterpret_cast<HWND>(lParam);
    } else if (message == WM_NOTIFY) {
        hChild = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
    } else if (message == WM_DRAWITEM) {
        auto* pDraw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (pDraw->CtlType != ODT_MENU) hChild = pDraw->hwndItem;
    } else if (message == WM_MEASUREITEM) {
        auto* pMeasure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (pMeasure->CtlType != ODT_MENU) hChild = ::GetDlgItem(m_hWnd, int(pMeasure->CtlID));
    } else if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        hChild = reinterpret_cast<HWND>(lParam);
    }
    CWnd* pChild = hChild ? FromHandlePermanent(hChild) : nullptr;
    if (!pChild || pChild == this) return FALSE;
    return pChild->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return ProcessMessageMap(WM_REFLECT_BASE + message, wParam, lParam, *pResult);
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CWndDeleter::operator()(CWnd* pWnd) const {
    if (!pWnd) return;
    bool bDeletedByWindow = pWnd->m_bAutoDelete;
    if (pWnd->m_hWnd && CWnd::FromHandlePermanent(pWnd->m_hWnd) == pWnd && pWnd->DestroyWindow() &&
        bDeletedByWindow) {
        return;  // the window's end deleted the object
    }
    delete pWnd;
}
