#include "CWinApp.h"

#include <commdlg.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Afx.h"
#include "CCommandLineInfo.h"
#include "CModalLoop.h"
#include "CSingleDocTemplate.h"
#include "CWnd.h"
#include "CommonDialogs.h"
#include "afxres.h"

namespace {
CWinApp* g_pApp = nullptr;
const char kRecentFileSection[] = "Recent File List";
}  // namespace

CWinApp* AfxGetApp() {
    return g_pApp;
}

CWinApp::CWinApp() {
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this) g_pApp = nullptr;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    SaveStdProfileSettings();
    return 0;
}

// nothing of the framework's own waits for idle time
BOOL CWinApp::OnIdle(LONG) {
    return FALSE;
}

// Stops only when GetMessage says WM_QUIT; a failed call is skipped, as the MSG it
// leaves behind is not a message. The queue is empty only once every window has
// been painted, so idle work always comes after the paints that were due.
int CWinApp::Run() {
    MSG msg = {};
    LONG lIdleCount = 0;
    bool bIdle = true;
    for (;;) {
        while (bIdle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            bIdle = RunIdleStep(lIdleCount++);
        }
        BOOL r = ::GetMessageA(&msg, nullptr, 0, 0);
        if (r == 0) break;
        if (r != 1) continue;
        CModalLoop::DispatchMessage(&msg);
        // whatever the message did may have left idle work again
        bIdle = true;
        lIdleCount = 0;
    }
    return ExitInstance();
}

// Idle work is confined as a handler is: what it raises ends that piece of work, not
// the program. Each piece is taken off before it runs, so the next call goes on.
bool CWinApp::RunIdleStep(LONG lCount) {
    try {
        return OnIdle(lCount) != FALSE;
    } catch (...) {
        return true;
    }
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg) {
    return CWnd::WalkPreTranslateTree(pMsg);
}

void CWinApp::AddDocTemplate(CSingleDocTemplate* pTemplate) {
    m_templates.emplace_back(pTemplate);
}

CSingleDocTemplate* CWinApp::GetTemplate() const {
    return m_templates.empty() ? nullptr : m_templates.front().get();
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) {
    for (int i = 1; i < __argc; i++) {
        const char* pszParam = __argv[i];
        bool bFlag = pszParam[0] == '-' || pszParam[0] == '/';
        rCmdInfo.ParseParam(bFlag ? pszParam + 1 : pszParam, bFlag);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo) {
    CSingleDocTemplate* pTemplate = GetTemplate();
    if (!pTemplate) return FALSE;
    // The window stays hidden: the application shows it itself when it has its title.
    const char* pszPath = rCmdInfo.m_nShellCommand == CCommandLineInfo::FileOpen
                              ? rCmdInfo.m_strFileName.GetString()
                              : nullptr;
    if (pTemplate->OpenDocumentFile(pszPath, FALSE)) return TRUE;
    // No main window: the program cannot run, and says so where a message can show.
    m_bStartFailed = true;
    AfxMessageBox(AFX_IDP_FAILED_TO_CREATE, MB_OK | MB_ICONSTOP);
    return FALSE;
}

void CWinApp::OnFileNew() {
    if (CSingleDocTemplate* pTemplate = GetTemplate()) pTemplate->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen() {
    CSingleDocTemplate* pTemplate = GetTemplate();
    if (!pTemplate) return;
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    char title[64] = {};
    ::LoadStringA(hInst, AFX_IDS_OPENFILE, title, sizeof(title));
    // "<all files>\0*.*\0\0"
    char filter[128] = {};
    int n = ::LoadStringA(hInst, AFX_IDS_ALLFILTER, filter, sizeof(filter) - 8);
    std::memcpy(filter + n + 1, "*.*", 4);

    char path[MAX_PATH] = {};
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    ofn.lpstrFilter = filter;
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof(path);
    ofn.lpstrTitle = title[0] ? title : nullptr;
    ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (AfxGetOpenFileName(&ofn)) pTemplate->OpenDocumentFile(path);
}

void CWinApp::OnFilePrintSetup() {
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof(pd);
    pd.hwndOwner = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    pd.Flags = PD_PRINTSETUP;
    if (AfxPrintDlg(&pd)) {
        if (pd.hDevMode) ::GlobalFree(pd.hDevMode);
        if (pd.hDevNames) ::GlobalFree(pd.hDevNames);
    }
}

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey) {
    m_strRegistryKey = lpszRegistryKey;
}

// HKEY_CURRENT_USER\Software\<registry key>\<application name>
bool CWinApp::OpenAppKey(HKEY* phKey, bool bCreate) const {
    if (m_strRegistryKey.IsEmpty() || m_strAppName.IsEmpty()) return false;
    CString path = CString("Software\\") + m_strRegistryKey + "\\" + m_strAppName;
    LONG r = bCreate ? ::RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0,
                                         KEY_READ | KEY_WRITE, nullptr, phKey, nullptr)
                     : ::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, phKey);
    return r == ERROR_SUCCESS;
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU) {
    m_nMaxMRU = nMaxMRU;
    m_recentFiles.clear();
    HKEY hApp = nullptr;
    if (!OpenAppKey(&hApp, false)) return;
    HKEY hList = nullptr;
    if (::RegOpenKeyExA(hApp, kRecentFileSection, 0, KEY_READ, &hList) == ERROR_SUCCESS) {
        for (UINT i = 1; i <= nMaxMRU; i++) {
            char name[16];
            std::snprintf(name, sizeof(name), "File%u", i);
            char value[MAX_PATH] = {};
            DWORD cb = sizeof(value) - 1, type = 0;
            if (::RegQueryValueExA(hList, name, nullptr, &type, reinterpret_cast<BYTE*>(value),
                                   &cb) == ERROR_SUCCESS &&
                type == REG_SZ && value[0]) {
                m_recentFiles.emplace_back(value);
            }
        }
        ::RegCloseKey(hList);
    }
    ::RegCloseKey(hApp);
}

void CWinApp::AddToRecentFileList(LPCSTR lpszPathName) {
    if (m_nMaxMRU == 0) return;
    CString path(lpszPathName);
    for (auto it = m_recentFiles.begin(); it != m_recentFiles.end(); ++it) {
        if (::lstrcmpiA(*it, path) == 0) {
            m_recentFiles.erase(it);
            break;
        }
    }
    m_recentFiles.insert(m_recentFiles.begin(), path);
    if (m_recentFiles.size() > m_nMaxMRU) m_recentFiles.resize(m_nMaxMRU);
    m_bRecentFilesChanged = true;
}

void CWinApp::SaveStdProfileSettings() {
    if (!m_bRecentFilesChanged) return;
    HKEY hApp = nullptr;
    if (!OpenAppKey(&hApp, true)) return;
    ::RegDeleteKeyA(hApp, kRecentFileSection);
    HKEY hList = nullptr;
    if (::RegCreateKeyExA(hApp, kRecentFileSection, 0, nullptr, 0, KEY_WRITE, nullptr, &hList,
                          nullptr) == ERROR_SUCCESS) {
        for (size_t i = 0; i < m_recentFiles.size(); i++) {
            char name[16];
            std::snprintf(name, sizeof(name), "File%u", static_cast<unsigned>(i + 1));
            const CString& value = m_recentFiles[i];
            ::RegSetValueExA(hList, name, 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(value.GetString()),
                             static_cast<DWORD>(value.GetLength() + 1));
        }
        ::RegCloseKey(hList);
    }
    ::RegCloseKey(hApp);
    m_bRecentFilesChanged = false;
}
