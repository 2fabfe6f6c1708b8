// The launcher's application object: one launcher at a time, the working
// directory, the services the pages need, and the fixed-size, titled main window.
#pragma once

#include <windows.h>

#include "CString.h"
#include "CWinApp.h"

class CWnd;
struct CRuntimeClass;

class CPlatformApp : public CWinApp {
public:
    // pViewClass: the main window's view, the workspace, which only the executable
    // linking every layer names
    explicit CPlatformApp(const CRuntimeClass* pViewClass = nullptr) : m_pViewClass(pViewClass) {}

    BOOL InitInstance() override;
    int ExitInstance() override;
    // the workspace's deferred start-up work, one piece a turn
    BOOL OnIdle(LONG lCount) override;

    void OnAppAbout();

protected:
    DECLARE_MESSAGE_MAP()

private:
    const CRuntimeClass* m_pViewClass;
};

// GDI+'s token while it runs, 0 before
extern ULONG_PTR g_gdiplusToken;

// The product version of the launcher's own file, "a.b.c.d"; "0" without one.
CString GetProductVersionText();

// Shows the main window at start-up, also when the launcher was asked to start hidden.
void ShowLauncherWindow(CWnd* pFrame);
