#include "Afx.h"

#include <ole2.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "CWinApp.h"
#include "CWnd.h"
#include "Log.h"

namespace {
bool g_bOleInitialized = false;
bool g_bContainerEnabled = false;

// a message box's owner: the one given, else the main window
HWND BoxOwner(CWnd* pOwner) {
    CWinApp* pApp = AfxGetApp();
    if (!pOwner && pApp) pOwner = pApp->GetMainWnd();
    return pOwner ? pOwner->m_hWnd : nullptr;
}
}  // namespace

int AfxMessageBox(UINT nIDPrompt, UINT nType) {
    char text[1024] = {};
    ::LoadStringA(::GetModuleHandleA(nullptr), nIDPrompt, text, sizeof(text));
    return AfxMessageBox(text, nType);
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, CWnd* pOwner) {
    CWinApp* pApp = AfxGetApp();
    const char* caption = pApp ? pApp->m_strAppName.GetString() : "";
    // written before the box waits for the player, who may end the program instead
    LogEvent("message-box", "%s", lpszText);
    LogFlush();
    return ::MessageBoxA(BoxOwner(pOwner), lpszText, caption, nType);
}

int AfxMessageBox(LPCWSTR lpszText, UINT nType, CWnd* pOwner) {
    CWinApp* pApp = AfxGetApp();
    wchar_t caption[256] = {};
    if (pApp) {
        ::MultiByteToWideChar(CP_ACP, 0, pApp->m_strAppName, -1, caption, ARRAYSIZE(caption) - 1);
    }
    LogText("message-box", lpszText);
    LogFlush();
    return ::MessageBoxW(BoxOwner(pOwner), lpszText, caption, nType);
}

CString AfxAnsiFromUtf8(const char* pszUtf8) {
    int nWide = ::MultiByteToWideChar(CP_UTF8, 0, pszUtf8, -1, nullptr, 0);
    if (nWide <= 0) return CString();
    // a plain buffer: a wide std::string would link in all of the library's own (35 KB)
    std::vector<wchar_t> wide(static_cast<size_t>(nWide));
    ::MultiByteToWideChar(CP_UTF8, 0, pszUtf8, -1, wide.data(), nWide);
    return AfxAnsiFromWide(wide.data());
}

CString AfxAnsiFromWide(const wchar_t* pszWide) {
    if (!pszWide || !*pszWide) return CString();
    int n = ::WideCharToMultiByte(CP_ACP, 0, pszWide, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return CString();
    std::string ansi(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, pszWide, -1, &ansi[0], n, nullptr, nullptr);
    ansi.resize(static_cast<size_t>(n - 1));  // without the terminator
    return CString(ansi);
}

BOOL AfxOleInit() {
    if (g_bOleInitialized) return TRUE;
    if (FAILED(::OleInitialize(nullptr))) return FALSE;
    g_bOleInitialized = true;
    return TRUE;
}

void AfxOleTerm() {
    if (!g_bOleInitialized) return;
    ::OleUninitialize();
    g_bOleInitialized = false;
}

void AfxEnableControlContainer(BOOL bEnable) {
    g_bContainerEnabled = bEnable != FALSE;
}

BOOL AfxControlContainerEnabled() {
    return g_bContainerEnabled;
}

LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon,
                           LPCSTR lpszName) {
    static std::set<std::string> names;  // the returned names stay valid
    char name[96];
    std::snprintf(name, sizeof(name), "Skylark:%x:%p:%p:%p", nClassStyle,
                  static_cast<void*>(hCursor), static_cast<void*>(hbrBackground),
                  static_cast<void*>(hIcon));
    if (lpszName) ::lstrcpynA(name, lpszName, sizeof(name));
    auto it = names.find(name);
    if (it != names.end()) return it->c_str();
    WNDCLASSA wc = {};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = name;
    if (!::RegisterClassA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        AfxThrowResourceException();
    }
    return names.insert(name).first->c_str();
}

BOOL AfxInitRichEdit() {
    static HMODULE hRichEdit = ::LoadLibraryA("riched20.dll");
    return hRichEdit != nullptr;
}

void AfxThrowMemoryException() {
    throw CMemoryException();
}

void AfxThrowResourceException() {
    throw CResourceException();
}
