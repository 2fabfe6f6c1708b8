// A window and the C++ object that handles its messages. Every window the
// framework creates, or that a CWnd subclasses, is attached to exactly one CWnd:
// its messages arrive in WindowProc, go through the message map and, if no entry
// takes them, to the window procedure the window had before (its class's).
#pragma once

#include <windows.h>

#include <memory>

#include "CCmdTarget.h"
#include "CDC.h"
#include "CRect.h"
#include "CString.h"
#include "MessageMap.h"

class CDataExchange;
class CWnd;

// Deletes a CWnd the safe way round: its window first, while the whole derived
// object still handles the last messages (OnDestroy), then the object itself,
// unless the window's end already deleted it (SetAutoDelete).
struct CWndDeleter {
    void operator()(CWnd* pWnd) const;
};

class CWnd : public CCmdTarget {
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    // Destroys a window still attached. Only CWnd's own handlers see that window's
    // last messages: owners destroy the window first (DestroyWindow, CWndDeleter).
    ~CWnd() override;

    operator HWND() const { return m_hWnd; }  // NOLINT: used wherever an HWND is

    // the CWnd attached to a window, or null
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Attaches an existing window (a dialog control, say) and routes its messages
    // here; FALSE if the window is taken or cannot be subclassed.
    BOOL SubclassWindow(HWND hWnd);
    // Called once the window is attached, before it gets a message through this object
    // (owner-drawn controls switch their style here).
    virtual void PreSubclassWindow();

    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                  int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenuOrID,
                  LPVOID lpParam = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr) {
        return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                        rect.right - rect.left, rect.bottom - rect.top,
                        pParentWnd ? pParentWnd->m_hWnd : nullptr,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
    }
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    virtual BOOL DestroyWindow();

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Offers a message to the CWnds from its window up to the top-level window it is in.
    static BOOL WalkPreTranslateTree(MSG* pMsg);
    // Offers a message to the top-level window this child is in (the frame and its
    // accelerators), for a child that would otherwise swallow it; FALSE for a top level.
    BOOL PreTranslateInTopLevel(MSG* pMsg) const;
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // A notification this window's control sent its parent (WM_COMMAND, WM_NOTIFY,
    // WM_CTLCOLOR..., WM_DRAWITEM, WM_MEASUREITEM), offered to the control first;
    // TRUE when the control took it, with the message result in *pResult.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Called after the window is gone (WM_NCDESTROY). An object that owns itself
    // (SetAutoDelete) is deleted here.
    virtual void PostNcDestroy();
    // From now on the window owns this object: it is deleted with the window.
    void SetAutoDelete() { m_bAutoDelete = true; }

    // data exchange between the window's controls and its members
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // the default processing of the message being handled
    LRESULT Default();

    // thin wrappers of the window functions used here
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    void SetWindowText(LPCSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }
    CString GetWindowText() const;
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
    BOOL SetWindowPos(HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
        return ::SetWindowPos(m_hWnd, hWndInsertAfter, x, y, cx, cy, nFlags);
    }
    void MoveWindow(const RECT& rc, BOOL bRepaint = TRUE) {
        ::MoveWindow(m_hWnd, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, bRepaint);
    }
    void CenterWindow();
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse) {
        return ::SetTimer(m_hWnd, nIDEvent, nElapse, nullptr);
    }
    BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }
    HWND SetFocus() { return ::SetFocus(m_hWnd); }
    BOOL IsWindow() const { return ::IsWindow(m_hWnd); }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE) {
        ::InvalidateRect(m_hWnd, lpRect, bErase);
    }
    void InvalidateRgn(HRGN hRgn, BOOL bErase = TRUE) { ::InvalidateRgn(m_hWnd, hRgn, bErase); }

    // coordinates
    void ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
    void ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
    void ClientToScreen(LPRECT lpRect) const;

    // style and font
    // Removes then adds style bits; nFlags non-zero also calls SetWindowPos(nFlags) so
    // the frame follows. TRUE if the style changed.
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    // The window uses the font; the caller keeps owning it for the window's lifetime.
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE) {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont ? pFont->m_hObject : nullptr),
                    bRedraw);
    }

    // handlers behind the message-map entries, for classes without their own: each
    // does the default processing of its message
    int OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
    void OnNcDestroy() { Default(); }
    void OnClose() { Default(); }
    void OnSize(UINT, int, int) { Default(); }
    void OnSizing(UINT, LPRECT) { Default(); }
    void OnWindowPosChanging(WINDOWPOS*) { Default(); }
    void OnActivate(UINT, CWnd*, BOOL) { Default(); }
    BOOL OnCopyData(CWnd*, COPYDATASTRUCT*) { return static_cast<BOOL>(Default()); }
    LRESULT OnNcHitTest(CPoint) { return Default(); }
    void OnSetFocus(CWnd*) { Default(); }
    void OnTimer(UINT_PTR) { Default(); }
    void OnPaint() { Default(); }
    BOOL OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
    HBRUSH OnCtlColor(CDC*, HWND, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
    HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
    void OnMouseMove(UINT, CPoint) { Default(); }
    void OnLButtonDown(UINT, CPoint) { Default(); }
    void OnLButtonUp(UINT, CPoint) { Default(); }
    void OnLButtonDblClk(UINT, CPoint) { Default(); }
    void OnRButtonUp(UINT, CPoint) { Default(); }
    void OnMouseLeave() { Default(); }
    BOOL OnSetCursor(HWND, UINT, UINT) { return static_cast<BOOL>(Default()); }
    int OnMouseActivate(CWnd*, UINT, UINT) { return static_cast<int>(Default()); }
    void OnCancelMode() { Default(); }
    UINT OnGetDlgCode() { return static_cast<UINT>(Default()); }
    void OnKillFocus(CWnd*) { Default(); }
    void OnHotKey(UINT, UINT, UINT) { Default(); }
    void OnDestroy() { Default(); }
    void OnShowWindow(BOOL, UINT) { Default(); }
    void OnEnable(BOOL) { Default(); }
    void OnActivateApp(BOOL, DWORD) { Default(); }

protected:
    DECLARE_MESSAGE_MAP()

    // For controls that paint themselves (buttons, statics): a reflected WM_DRAWITEM
    // goes to pControl->DrawItem, any other notification to the control's map.
    template <class T>
    static BOOL ReflectDrawItem(T* pControl, UINT message, WPARAM wParam, LPARAM lParam,
                                LRESULT* pResult) {
        if (message != WM_DRAWITEM) {
            return pControl->CWnd::OnChildNotify(message, wParam, lParam, pResult);
        }
        pControl->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *pResult = TRUE;
        return TRUE;
    }

    // Makes the next window of class lpszClass (a name or an atom; "#32770" for a
    // dialog) that this thread creates belong to pWnd (the creation hook).
    static void HookWindowCreate(CWnd* pWnd, LPCSTR lpszClass);
    static void UnhookWindowCreate();
    // After a creation under the hook: TRUE if hWnd is the window attached here;
    // otherwise destroys hWnd, lets go of any other window and gives FALSE.
    BOOL CheckCreated(HWND hWnd);
    // For a window made from a dialog template (a dialog, a form): makes it, attached
    // here, its messages all left to this object's map; FALSE if it could not be made.
    BOOL CreateFromTemplate(UINT nIDTemplate, HWND hParent);
    // The dialog keys (Tab, Enter, Esc...) of such a window's controls, once the
    // top-level window it is in had them (its accelerators).
    BOOL PreTranslateDialogKeys(MSG* pMsg);

private:
    static LRESULT CALLBACK StandardWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam);
    void Attach(HWND hWnd);
    void Detach();
    void UnsubclassWindow();
    friend struct CWndDeleter;
    BOOL ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    WNDPROC m_pfnSuper = nullptr;
    bool m_bAutoDelete = false;
    // the message being handled, for Default()
    const MSG* m_pCurrentMsg = nullptr;
};

// A CWnd owned through CWndDeleter.
template <class T>
using CWndPtr = std::unique_ptr<T, CWndDeleter>;

// The DC of a message (WM_ERASEBKGND, WM_CTLCOLOR...) for one handler call; what the
// handler selects into it is selected out again when the call returns.
class CDCRef {
public:
    explicit CDCRef(WPARAM wParam) : m_dc(reinterpret_cast<HDC>(wParam)) {}
    operator CDC*() { return &m_dc; }  // NOLINT

private:
    CDC m_dc;
};
