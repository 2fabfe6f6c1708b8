#include "GameLink.h"

HWND g_hLauncherWnd = nullptr;
HWND g_hGameWnd = nullptr;
CString g_strGameWndClass;
int g_bGamePageShown = 1;

namespace {

// What the game answers to a record it took.
const LRESULT kRecordTaken = -2;

bool Deliver(COPYDATASTRUCT& cds, BOOL bWait) {
    LPARAM lParam = reinterpret_cast<LPARAM>(&cds);
    if (bWait) return ::SendMessageA(g_hGameWnd, WM_COPYDATA, 0, lParam) == kRecordTaken;
    // A game that is busy or hung keeps its record: only a vanished window fails.
    if (::SendMessageTimeoutA(g_hGameWnd, WM_COPYDATA, 0, lParam, SMTO_BLOCK | SMTO_ABORTIFHUNG, 1,
                              nullptr)) {
        return true;
    }
    return ::GetLastError() != ERROR_INVALID_WINDOW_HANDLE;
}

}  // namespace

HWND FindGameWindow() {
    if (g_hGameWnd || g_strGameWndClass.IsEmpty()) return g_hGameWnd;
    return ::FindWindowA(g_strGameWndClass, nullptr);
}

BOOL SendToGame(GameRecord* record, BOOL bWait) {
    if (!record) return FALSE;
    if (!g_hGameWnd) g_hGameWnd = FindGameWindow();
    if (!g_hGameWnd) return FALSE;
    record->hwndSender = static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(g_hLauncherWnd));
    COPYDATASTRUCT cds = {0, record->cbSize, record};
    if (!Deliver(cds, bWait)) {
        g_hGameWnd = nullptr;
        ::PostQuitMessage(0);
    }
    return TRUE;
}
