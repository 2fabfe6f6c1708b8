// The workspace as the layers below it see it: the frame, the start-up and the
// browser control call it without knowing the view above them that implements it.
#pragma once

#include <windows.h>

#include "CString.h"

class CWnd;

class IWorkspace {
public:
    // the workspace while it exists, or null
    static IWorkspace* Get() { return s_pCurrent; }

    // the height of the tab strip along the top of the view
    virtual int GetHeadHeight() const = 0;
    // The game said it is ready: the strip is enabled, the game page told and the
    // keep-alive started.
    virtual void OnGameReady() = 0;
    // One piece of the work its pages left for after the first paint; FALSE when
    // nothing is left or the view is hidden.
    virtual BOOL DoDeferredWork() = 0;
    // A web page's title changed: repaints the strip if pWnd is one of its pages.
    virtual BOOL OnPageTitleChanged(CWnd* pWnd, CString strTitle) = 0;

protected:
    IWorkspace() { s_pCurrent = this; }
    ~IWorkspace() {
        if (s_pCurrent == this) s_pCurrent = nullptr;
    }

private:
    static inline IWorkspace* s_pCurrent = nullptr;
};
