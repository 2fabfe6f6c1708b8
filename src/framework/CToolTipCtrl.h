// A tooltip control: tips for windows or areas of a window. The owner passes its
// mouse messages to RelayEvent (from PreTranslateMessage) so the tips know the mouse.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "CWnd.h"

class CToolTipCtrl : public CWnd {
public:
    // a topmost tooltip window owned by pParentWnd (TTS_ALWAYSTIP is added)
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    // A tip for the whole of pWnd (rect null, nIDTool 0) or for an area of it.
    BOOL AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void RelayEvent(LPMSG lpMsg) {
        SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg));
    }
    void Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(bActivate)); }
    // wraps tips wider than nWidth pixels onto more lines
    int SetMaxTipWidth(int nWidth) {
        return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, nWidth));
    }

private:
    static TOOLINFOA MakeToolInfo(CWnd* pWnd, UINT_PTR nIDTool);
};
