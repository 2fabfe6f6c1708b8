#include "MessagePump.h"

namespace {

// Dispatches what is queued; a quit is kept in *pQuit, not dispatched.
void DispatchQueued(MSG* pQuit) {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            *pQuit = msg;
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

}  // namespace

// A quit met on the way is posted again at the end: tests look for it themselves.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    MSG quit = {};
    bool bDone = done();
    while (!bDone && ::GetTickCount() - start <= timeoutMs) {
        DispatchQueued(&quit);
        bDone = done();
        if (!bDone) ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    if (quit.message == WM_QUIT) ::PostQuitMessage(static_cast<int>(quit.wParam));
    return bDone;
}

void PumpPending() {
    PumpUntil([] { return false; }, 0);
}
