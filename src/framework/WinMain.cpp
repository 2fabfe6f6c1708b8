// The program's entry: the one application object, constructed before this runs,
// is started, runs its message loop and is ended.
#include <windows.h>

#include <cstdlib>

#include "Afx.h"
#include "CWinApp.h"
#include "CWnd.h"
#include "afxres.h"

namespace {

const int kFailureExitCode = -1;

// A start refused on purpose (a second launcher) ends as the application says; one
// that could not make its main window ends with a failure code.
int RunApplication(CWinApp* pApp) {
    if (!pApp->InitInstance()) {
        if (CWnd* pMainWnd = pApp->GetMainWnd()) pMainWnd->DestroyWindow();
        const int nExitCode = pApp->ExitInstance();
        return pApp->m_bStartFailed ? kFailureExitCode : nExitCode;
    }
    return pApp->Run();
}

// What start-up, the loop's own code or the end raised and nobody handled: the
// program says so and ends, instead of crashing.
int FailApplication(CWinApp* pApp) {
    try {
        if (CWnd* pMainWnd = pApp->GetMainWnd()) pMainWnd->DestroyWindow();
        AfxMessageBox(AFX_IDP_INTERNAL_FAILURE, MB_OK | MB_ICONSTOP);
    } catch (...) {
    }
    return kFailureExitCode;
}

}  // namespace

// An exception nothing caught ends the program. The runtime's own handler would name
// it on a console this program does not have, and brings a 50 KB demangler for that.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow) {
    CWinApp* pApp = AfxGetApp();
    if (!pApp) return kFailureExitCode;
    pApp->m_hInstance = hInstance;
    pApp->m_nCmdShow = nCmdShow;
    char title[256] = {};
    ::LoadStringA(hInstance, AFX_IDS_APP_TITLE, title, sizeof(title));
    pApp->m_strAppName = title;

    int nExitCode;
    try {
        nExitCode = RunApplication(pApp);
    } catch (...) {
        nExitCode = FailApplication(pApp);
    }
    // every window, and with them every hosted control, is gone by now
    AfxOleTerm();
    return nExitCode;
}
