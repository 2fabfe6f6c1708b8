// The launcher's application object: one launcher at a time, the working
// directory, the services the pages need, and the fixed-size, titled main window.
#pragma once

#include <windows.h>

#include "CString.h"
#include "CWinApp.h"
#include "LauncherText.h"

class CPlatformApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;
    // the workspace's deferred start-up work, one piece a turn
    BOOL OnIdle(LONG lCount) override;

    void OnAppAbout();

protected:
    DECLARE_MESSAGE_MAP()
};

// the process's current directory at start-up, without a trailing backslash
extern char g_szWorkingDirectory[kMaxPathBytes];
// GDI+'s token while it runs, 0 before
extern ULONG_PTR g_gdiplusToken;

// g_szWorkingDirectory + "\" + name, or empty text when that is too long for a path.
CString GetWorkingPath(CString name);
// The product version of the launcher's own file, "a.b.c.d"; "0" without one.
CString GetProductVersionText();
