// Base of everything that has a message map: windows, documents, the application.
#pragma once

#include <windows.h>

#include "CObject.h"
#include "MessageMap.h"

class CCmdTarget : public CObject {
public:
    // Routes a command (menu, accelerator or control notification) through this
    // object's message map; TRUE when a handler took it. lParam is the control's
    // window for a control notification, 0 for menus and accelerators.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, LPARAM lParam = 0);

    // The message map: the BEGIN_MESSAGE_MAP macros generate this function.
    virtual BOOL ProcessMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
};
