// Message maps: each BEGIN_MESSAGE_MAP ... END_MESSAGE_MAP block becomes the
// class's ProcessMessageMap, a chain of typed tests. An entry cracks the message's
// parameters into the handler's arguments and sets the message result; a message no
// entry takes goes on to the base class's map. Handlers are ordinary members found
// by name lookup, so a class without its own OnSize gets its base class's. A window
// passed as CWnd* is its attached CWnd, or null for a window no CWnd handles.
#pragma once

#include "CPoint.h"

#define DECLARE_MESSAGE_MAP() \
protected:                    \
    BOOL ProcessMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                   \
    BOOL theClass::ProcessMessageMap(UINT message, WPARAM wParam, LPARAM lParam, \
                                     LRESULT& result) {                          \
        typedef baseClass TheBaseClass;                                          \
        (void)wParam;                                                            \
        (void)lParam;

#define END_MESSAGE_MAP()                                                    \
    return TheBaseClass::ProcessMessageMap(message, wParam, lParam, result); \
    }

#define AFX_MSG_ENTRY(msg, call) \
    if (message == (msg)) {      \
        call;                    \
        return TRUE;             \
    }

// A control's own notifications come back to its CWnd first as WM_REFLECT_BASE +
// the message (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR..., WM_DRAWITEM, WM_MEASUREITEM).
#define WM_REFLECT_BASE (WM_USER + 0x1C00)

// commands: menus, accelerators and control notifications
#define ON_COMMAND(id, memberFxn)                                                 \
    if (message == WM_COMMAND && LOWORD(wParam) == (id) && HIWORD(wParam) == 0) { \
        (this->*(memberFxn))();                                                   \
        result = 0;                                                               \
        return TRUE;                                                              \
    }
#define ON_CONTROL(code, id, memberFxn)                                                \
    if (message == WM_COMMAND && LOWORD(wParam) == (id) && HIWORD(wParam) == (code)) { \
        (this->*(memberFxn))();                                                        \
        result = 0;                                                                    \
        return TRUE;                                                                   \
    }
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)

// Reflected entries, in the control's own map: the control takes its notification
// before its parent sees it.
// notification code of the control itself, handler void (); the parent never sees it
#define ON_CONTROL_REFLECT(code, memberFxn)                                    \
    if (message == WM_REFLECT_BASE + WM_COMMAND && HIWORD(wParam) == (code)) { \
        (this->*(memberFxn))();                                                \
        result = 0;                                                            \
        return TRUE;                                                           \
    }
// as above, handler BOOL (): FALSE lets the parent handle it too
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                 \
    if (message == WM_REFLECT_BASE + WM_COMMAND && HIWORD(wParam) == (code) && \
        (this->*(memberFxn))()) {                                              \
        result = 0;                                                            \
        return TRUE;                                                           \
    }
// the control's colours, handler HBRUSH CtlColor(CDC*, UINT nCtlColor); a null brush
// leaves them to the parent
#define ON_WM_CTLCOLOR_REFLECT()                                                       \
    if (message >= WM_REFLECT_BASE + WM_CTLCOLORMSGBOX &&                              \
        message <= WM_REFLECT_BASE + WM_CTLCOLORSTATIC) {                              \
        HBRUSH hbrReflected =                                                          \
            CtlColor(CDCRef(wParam), message - (WM_REFLECT_BASE + WM_CTLCOLORMSGBOX)); \
        if (hbrReflected) {                                                            \
            result = reinterpret_cast<LRESULT>(hbrReflected);                          \
            return TRUE;                                                               \
        }                                                                              \
    }

// any message, handler LRESULT (WPARAM, LPARAM)
#define ON_MESSAGE(msg, memberFxn) AFX_MSG_ENTRY(msg, result = (this->*(memberFxn))(wParam, lParam))

#define ON_WM_CREATE() \
    AFX_MSG_ENTRY(WM_CREATE, result = OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam)))
#define ON_WM_NCDESTROY() AFX_MSG_ENTRY(WM_NCDESTROY, (OnNcDestroy(), result = 0))
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, (OnClose(), result = 0))
#define ON_WM_SIZE() \
    AFX_MSG_ENTRY(WM_SIZE, (OnSize(UINT(wParam), LOWORD(lParam), HIWORD(lParam)), result = 0))
#define ON_WM_SIZING()       \
    AFX_MSG_ENTRY(WM_SIZING, \
                  (OnSizing(UINT(wParam), reinterpret_cast<LPRECT>(lParam)), result = TRUE))
#define ON_WM_ACTIVATE()                                                                       \
    AFX_MSG_ENTRY(                                                                             \
        WM_ACTIVATE,                                                                           \
        (OnActivate(LOWORD(wParam), CWnd::FromHandlePermanent(reinterpret_cast<HWND>(lParam)), \
                    HIWORD(wParam)),                                                           \
         result = 0))
#define ON_WM_COPYDATA()                                                                         \
    AFX_MSG_ENTRY(WM_COPYDATA,                                                                   \
                  result = OnCopyData(CWnd::FromHandlePermanent(reinterpret_cast<HWND>(wParam)), \
                                      reinterpret_cast<COPYDATASTRUCT*>(lParam)))
#define ON_WM_WINDOWPOSCHANGING()       \
    AFX_MSG_ENTRY(WM_WINDOWPOSCHANGING, \
                  (OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam)), result = 0))
#define ON_WM_NCHITTEST() AFX_MSG_ENTRY(WM_NCHITTEST, result = OnNcHitTest(CPoint(lParam)))
#define ON_WM_SETFOCUS() \
    AFX_MSG_ENTRY(       \
        WM_SETFOCUS,     \
        (OnSetFocus(CWnd::FromHandlePermanent(reinterpret_cast<HWND>(wParam))), result = 0))
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, (OnTimer(UINT_PTR(wParam)), result = 0))

// painting and colours
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, (OnPaint(), result = 0))
#define ON_WM_ERASEBKGND() AFX_MSG_ENTRY(WM_ERASEBKGND, result = OnEraseBkgnd(CDCRef(wParam)))
// every WM_CTLCOLOR... message; nCtlColor is CTLCOLOR_MSGBOX..CTLCOLOR_STATIC
#define ON_WM_CTLCOLOR()                                                                   \
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {                    \
        result = reinterpret_cast<LRESULT>(OnCtlColor(                                     \
            CDCRef(wParam), reinterpret_cast<HWND>(lParam), message - WM_CTLCOLORMSGBOX)); \
        return TRUE;                                                                       \
    }
#define ON_WM_QUERYDRAGICON() \
    AFX_MSG_ENTRY(WM_QUERYDRAGICON, result = reinterpret_cast<LRESULT>(OnQueryDragIcon()))

// mouse: handlers void (UINT nFlags, CPoint point)
#define AFX_MOUSE_ENTRY(msg, memberFxn) \
    AFX_MSG_ENTRY(msg, (memberFxn(UINT(wParam), CPoint(lParam)), result = 0))
#define ON_WM_MOUSEMOVE() AFX_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONUP() AFX_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_MOUSELEAVE() AFX_MSG_ENTRY(WM_MOUSELEAVE, (OnMouseLeave(), result = 0))
#define ON_WM_SETCURSOR()                                                            \
    AFX_MSG_ENTRY(WM_SETCURSOR, result = OnSetCursor(reinterpret_cast<HWND>(wParam), \
                                                     LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_MOUSEACTIVATE()                                                                      \
    AFX_MSG_ENTRY(WM_MOUSEACTIVATE, result = OnMouseActivate(                                      \
                                        CWnd::FromHandlePermanent(reinterpret_cast<HWND>(wParam)), \
                                        LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_CANCELMODE() AFX_MSG_ENTRY(WM_CANCELMODE, (OnCancelMode(), result = 0))

// keyboard and focus
#define ON_WM_GETDLGCODE() AFX_MSG_ENTRY(WM_GETDLGCODE, result = OnGetDlgCode())
#define ON_WM_KILLFOCUS() \
    AFX_MSG_ENTRY(        \
        WM_KILLFOCUS,     \
        (OnKillFocus(CWnd::FromHandlePermanent(reinterpret_cast<HWND>(wParam))), result = 0))
#define ON_WM_HOTKEY() \
    AFX_MSG_ENTRY(WM_HOTKEY, (OnHotKey(UINT(wParam), LOWORD(lParam), HIWORD(lParam)), result = 0))

// window state
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, (OnDestroy(), result = 0))
#define ON_WM_SHOWWINDOW() \
    AFX_MSG_ENTRY(WM_SHOWWINDOW, (OnShowWindow(BOOL(wParam), UINT(lParam)), result = 0))
#define ON_WM_ENABLE() AFX_MSG_ENTRY(WM_ENABLE, (OnEnable(BOOL(wParam)), result = 0))
#define ON_WM_ACTIVATEAPP() \
    AFX_MSG_ENTRY(WM_ACTIVATEAPP, (OnActivateApp(BOOL(wParam), DWORD(lParam)), result = 0))
