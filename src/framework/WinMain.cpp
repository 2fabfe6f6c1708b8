// The program's entry: the one application object, constructed before this runs,
// is started, runs its message loop and is ended.
#include <windows.h>

#include "CWinApp.h"
#include "CWnd.h"
#include "afxres.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow) {
    CWinApp* pApp = AfxGetApp();
    if (!pApp) return -1;
    pApp->m_hInstance = hInstance;
    pApp->m_nCmdShow = nCmdShow;
    char title[256] = {};
    ::LoadStringA(hInstance, AFX_IDS_APP_TITLE, title, sizeof(title));
    pApp->m_strAppName = title;

    if (!pApp->InitInstance()) {
        if (CWnd* pMainWnd = pApp->GetMainWnd()) pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}
