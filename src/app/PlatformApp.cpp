#include "PlatformApp.h"

#include <commctrl.h>

#include <optional>
#include <vector>

#include "AboutDlg.h"
#include "Afx.h"
#include "BrowserEmulation.h"
#include "CCommandLineInfo.h"
#include "CSingleDocTemplate.h"
#include "CWnd.h"
#include "CrashHandler.h"
#include "GdiPlus.h"
#include "IWorkspace.h"
#include "LauncherText.h"
#include "Log.h"
#include "MainFrame.h"
#include "NullDoc.h"
#include "Skin.h"
#include "SkinPreload.h"
#include "StartFacts.h"
#include "WorkingPath.h"
#include "afxres.h"
#include "resource.h"

ULONG_PTR g_gdiplusToken = 0;

namespace {
const char kInstanceMutexName[] = "{B51D52B3-F4ED-4b91-B7DE-15D1976469CF}";
const char kRegistryKeyUtf8[] = "应用程序向导生成的本地应用程序";
const char kTitleVersionUtf8[] = " (盒子版本:";
}  // namespace

BEGIN_MESSAGE_MAP(CPlatformApp, CWinApp)
ON_COMMAND(ID_APP_ABOUT, &CPlatformApp::OnAppAbout)
ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
ON_COMMAND(ID_FILE_OPEN, &CWinApp::OnFileOpen)
ON_COMMAND(ID_FILE_PRINT_SETUP, &CWinApp::OnFilePrintSetup)
END_MESSAGE_MAP()

BOOL CPlatformApp::InitInstance() {
    InstallCrashHandler();
    // One launcher at a time. The first keeps its mutex until it ends; a second one
    // adds its lines to the first one's log.
    HANDLE hMutex = ::CreateMutexA(nullptr, FALSE, kInstanceMutexName);
    const DWORD dwMutexError = ::GetLastError();
    LogStart(hMutex && dwMutexError == 0);
    LogStartFacts(hMutex && dwMutexError != 0);
    if (!hMutex) {
        LogEvent("end", "no single-instance mutex: %s", SystemErrorText(dwMutexError).c_str());
        return FALSE;
    }
    if (dwMutexError != 0) {
        LogEvent("end", "another launcher is running");
        ::CloseHandle(hMutex);
        return FALSE;
    }

    ::GetCurrentDirectoryA(sizeof(g_szWorkingDirectory), g_szWorkingDirectory);

    // GDI+ first, so that the pictures of the first paint decode on a worker while
    // the windows are built; the worker has ended when start-up does
    Gdiplus::GdiplusStartupInput gdiplusInput;
    Gdiplus::GdiplusStartup(&g_gdiplusToken, &gdiplusInput, nullptr);
    std::optional<SkinPreload> preload;
    if (g_gdiplusToken) {
        preload.emplace(std::vector<CString>{kPlayGameBackgroundFile},
                        std::vector<CString>{kLoadingAnimationFile, kForumTabPictureFile,
                                             kGameTabPictureFile, kToolsTabPictureFile});
    }

    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    CWinApp::InitInstance();
    AfxInitRichEdit();
    if (!AfxOleInit()) {
        AfxMessageBox(IDP_OLE_INIT_FAILED, MB_OK);
        return FALSE;
    }
    AfxEnableControlContainer();
    // before the workspace makes the first browser
    EnsureBrowserEmulation();
    SetRegistryKey(AfxAnsiFromUtf8(kRegistryKeyUtf8));
    LoadStdProfileSettings(4);

    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CNullDoc),
                                          RUNTIME_CLASS(CMainFrame), m_pViewClass));
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo)) return FALSE;

    CString title =
        CString("Orbavel") + AfxAnsiFromUtf8(kTitleVersionUtf8) + GetProductVersionText() + ")";
    m_pMainWnd->SetWindowText(title);
    // sized and centred before it is shown, so that it never appears anywhere else
    auto* pFrame = static_cast<CMainFrame*>(m_pMainWnd);
    IWorkspace* pWorkspace = IWorkspace::Get();
    SIZE size = pFrame->CalcFixedWindowSize(pWorkspace ? pWorkspace->GetHeadHeight() : 0);
    pFrame->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE);
    pFrame->CenterWindow();
    ShowLauncherWindow(pFrame);
    return TRUE;
}

// Whatever the program that started the launcher asked: a start asked hidden has the
// system ignore the first show, and a launcher never shown would hold the one-launcher
// lock without starting the game, which waits for a visible window. A minimised
// start is honoured: the window is there.
void ShowLauncherWindow(CWnd* pFrame) {
    pFrame->ShowWindow(SW_SHOW);
    if (!pFrame->IsWindowVisible()) pFrame->ShowWindow(SW_SHOW);
}

BOOL CPlatformApp::OnIdle(LONG lCount) {
    CWinApp::OnIdle(lCount);
    LogFlush();
    IWorkspace* pWorkspace = IWorkspace::Get();
    return pWorkspace && pWorkspace->DoDeferredWork();
}

int CPlatformApp::ExitInstance() {
    if (g_gdiplusToken) Gdiplus::GdiplusShutdown(g_gdiplusToken);
    return CWinApp::ExitInstance();
}

void CPlatformApp::OnAppAbout() {
    CAboutDlg dlg;
    dlg.DoModal();
}

namespace {

CString ReadProductVersionText() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof(path));
    DWORD handle = 0;
    DWORD size = ::GetFileVersionInfoSizeA(path, &handle);
    if (size == 0) return "0";

    CString text = "0";
    HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE, size);
    void* pBlock = hBlock ? ::GlobalLock(hBlock) : nullptr;
    VS_FIXEDFILEINFO* pInfo = nullptr;
    UINT len = 0;
    if (pBlock && ::GetFileVersionInfoA(path, handle, size, pBlock) &&
        ::VerQueryValueA(pBlock, "\\", reinterpret_cast<void**>(&pInfo), &len) && pInfo &&
        len >= sizeof(VS_FIXEDFILEINFO)) {
        text = FormatVersion(pInfo->dwProductVersionMS, pInfo->dwProductVersionLS);
    }
    if (pBlock) ::GlobalUnlock(hBlock);
    if (hBlock) ::GlobalFree(hBlock);
    return text;
}

}  // namespace

// read once: the log's first line and the window's title both give it
CString GetProductVersionText() {
    static const CString s_text = ReadProductVersionText();
    return s_text;
}
