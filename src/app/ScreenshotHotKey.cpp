#include "ScreenshotHotKey.h"

#include "GameLink.h"
#include "Log.h"

CScreenshotHotKey* CScreenshotHotKey::s_pInstance = nullptr;

namespace {

DWORD ProcessOf(HWND hWnd) {
    DWORD dwProcess = 0;
    return hWnd && ::GetWindowThreadProcessId(hWnd, &dwProcess) ? dwProcess : 0;
}

// a window of the launcher's own process or of the game's (the owner of its window)
bool IsLauncherOrGame(HWND hWnd) {
    const DWORD dwProcess = ProcessOf(hWnd);
    return dwProcess &&
           (dwProcess == ::GetCurrentProcessId() || dwProcess == ProcessOf(FindGameWindow()));
}

}  // namespace

CScreenshotHotKey::CScreenshotHotKey(HWND hWnd) : m_hWnd(hWnd) {
    s_pInstance = this;
    m_hHook = ::SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                                &OnForeground, 0, 0, WINEVENT_OUTOFCONTEXT);
    Hold(IsLauncherOrGame(::GetForegroundWindow()));
}

CScreenshotHotKey::~CScreenshotHotKey() {
    if (m_hHook) ::UnhookWinEvent(m_hHook);
    Hold(false);
    if (s_pInstance == this) s_pInstance = nullptr;
}

void CALLBACK CScreenshotHotKey::OnForeground(HWINEVENTHOOK, DWORD, HWND hWnd, LONG, LONG, DWORD,
                                              DWORD) {
    if (s_pInstance) s_pInstance->Hold(IsLauncherOrGame(hWnd));
}

void CScreenshotHotKey::OnActivateApp(BOOL bActive, DWORD dwOtherThread) {
    HWND hGame = FindGameWindow();  // the front going to the game keeps the keys
    Hold(bActive || (hGame && ::GetWindowThreadProcessId(hGame, nullptr) == dwOtherThread));
}

void CScreenshotHotKey::Hold(bool bHold) {
    if (bHold && !m_bHeld) {
        m_bHeld = ::RegisterHotKey(m_hWnd, kId, MOD_CONTROL | MOD_ALT, 'A') != FALSE;
        if (m_bHeld) {
            LogEvent("capture-keys", "Ctrl+Alt+A held");
        } else {
            LogEvent("capture-keys", "Ctrl+Alt+A not held: %s",
                     SystemErrorText(::GetLastError()).c_str());
        }
    } else if (!bHold && m_bHeld) {
        ::UnregisterHotKey(m_hWnd, kId);
        m_bHeld = false;
        LogEvent("capture-keys", "Ctrl+Alt+A given back");
    }
}
