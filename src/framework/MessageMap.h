// Message maps: each BEGIN_MESSAGE_MAP ... END_MESSAGE_MAP block becomes the
// class's ProcessMessageMap, a chain of typed tests. An entry cracks the message's
// parameters into the handler's arguments and sets the message result; a message no
// entry takes goes on to the base class's map. Handlers are ordinary members found
// by name lookup, so a class without its own OnSize gets its base class's.
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
