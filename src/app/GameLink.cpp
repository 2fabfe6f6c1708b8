#include "GameLink.h"

#include <cstdio>

#include "Log.h"

HWND g_hLauncherWnd = nullptr;
HWND g_hGameWnd = nullptr;
CString g_strGameWndClass;
int g_bGamePageShown = 1;

namespace {

// What the game answers to a record it took.
const LRESULT kRecordTaken = -2;

DWORD g_dwGameStartTick = 0;

// The answer as the log gives it, into a buffer of kAnswerSize.
const size_t kAnswerSize = 32;
void AnswerText(LRESULT result, char* pszAnswer) {
    std::snprintf(pszAnswer, kAnswerSize, "%ld", static_cast<long>(result));
}

// False when the record was not delivered.
bool Deliver(COPYDATASTRUCT& cds, BOOL bWait, char* pszAnswer) {
    LPARAM lParam = reinterpret_cast<LPARAM>(&cds);
    if (bWait) {
        const LRESULT result = ::SendMessageA(g_hGameWnd, WM_COPYDATA, 0, lParam);
        AnswerText(result, pszAnswer);
        return result == kRecordTaken;
    }
    DWORD_PTR result = 0;
    if (::SendMessageTimeoutA(g_hGameWnd, WM_COPYDATA, 0, lParam, SMTO_BLOCK | SMTO_ABORTIFHUNG, 1,
                              &result)) {
        AnswerText(static_cast<LRESULT>(result), pszAnswer);
        return true;
    }
    // A game that is busy or hung keeps its record: only a vanished window fails.
    const bool bGone = ::GetLastError() == ERROR_INVALID_WINDOW_HANDLE;
    ::lstrcpynA(pszAnswer, bGone ? "none, the window is gone" : "none in time", kAnswerSize);
    return !bGone;
}

// Page geometry goes every second and the keep-alive every five: of those only the
// first delivered and every failure are logged.
void LogSent(const GameRecord& record, BOOL bWait, bool bDelivered, const char* pszAnswer) {
    static bool s_bDeliveredLogged[2] = {};
    bool* pLogged = record.nCode == GR_PAGE_GEOMETRY ? &s_bDeliveredLogged[0]
                    : record.nCode == GR_KEEP_ALIVE  ? &s_bDeliveredLogged[1]
                                                     : nullptr;
    if (pLogged && bDelivered && *pLogged) return;
    if (pLogged && bDelivered) *pLogged = true;
    LogEvent("record-sent", "code %u, %u bytes, %s, answer %s", record.nCode, record.cbSize,
             bWait ? "waiting" : "not waiting", pszAnswer);
}

void LogGameWindowFound() {
    DWORD dwProcess = 0;
    ::GetWindowThreadProcessId(g_hGameWnd, &dwProcess);
    LogEvent("game-window", "found: process %lu, %lu ms after the start", dwProcess,
             MsSinceGameStart());
}

}  // namespace

HWND FindGameWindow() {
    if (g_hGameWnd || g_strGameWndClass.IsEmpty()) return g_hGameWnd;
    return ::FindWindowA(g_strGameWndClass, nullptr);
}

void NoteGameStart() {
    g_dwGameStartTick = ::GetTickCount();
}

DWORD MsSinceGameStart() {
    return ::GetTickCount() - g_dwGameStartTick;
}

BOOL SendToGame(GameRecord* record, BOOL bWait) {
    if (!record) return FALSE;
    if (!g_hGameWnd) {
        g_hGameWnd = FindGameWindow();
        if (g_hGameWnd) LogGameWindowFound();
    }
    if (!g_hGameWnd) return FALSE;
    record->hwndSender = static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(g_hLauncherWnd));
    COPYDATASTRUCT cds = {0, record->cbSize, record};
    char answer[kAnswerSize];
    const bool bDelivered = Deliver(cds, bWait, answer);
    LogSent(*record, bWait, bDelivered, answer);
    if (!bDelivered) {
        LogEvent(
            "end", "%s",
            ::IsWindow(g_hGameWnd) ? "the game refused a record" : "the game's window is gone");
        g_hGameWnd = nullptr;
        ::PostQuitMessage(0);
    }
    return TRUE;
}
