#include "CModalLoop.h"

#include "CWinApp.h"
#include "CWnd.h"

CModalLoop::CModalLoop(HWND hOwner) {
    if (hOwner && ::IsWindowEnabled(hOwner)) {
        ::EnableWindow(hOwner, FALSE);
        m_hOwner = hOwner;
    }
}

CModalLoop::~CModalLoop() {
    if (m_hOwner) ::EnableWindow(m_hOwner, TRUE);
}

BOOL CModalLoop::GetNextMessage(MSG* pMsg, int* pnExitCode) {
    for (;;) {
        BOOL r = ::GetMessageA(pMsg, nullptr, 0, 0);
        if (r == 0) {
            *pnExitCode = static_cast<int>(pMsg->wParam);
            ::PostQuitMessage(*pnExitCode);  // the outer loops end too
            return FALSE;
        }
        if (r == 1) return TRUE;
        // a failed call leaves no message in *pMsg: wait for the next one
    }
}

void CModalLoop::DispatchMessage(MSG* pMsg) {
    CWinApp* pApp = AfxGetApp();
    BOOL bTaken = FALSE;
    try {
        bTaken = pApp ? pApp->PreTranslateMessage(pMsg) : CWnd::WalkPreTranslateTree(pMsg);
    } catch (...) {
        return;  // a failed pre-translation ends the message, as a failed handler does
    }
    if (!bTaken) {
        ::TranslateMessage(pMsg);
        ::DispatchMessageA(pMsg);
    }
}

BOOL CModalLoop::Run(const std::function<bool()>& bDone) {
    MSG msg;
    while (!bDone()) {
        if (!GetNextMessage(&msg, &m_nExitCode)) return FALSE;
        DispatchMessage(&msg);
    }
    return TRUE;
}
