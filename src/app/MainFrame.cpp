#include "MainFrame.h"

#include "GameLink.h"
#include "IWorkspace.h"
#include "Log.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(CMainFrame)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_HOTKEY()
ON_WM_ACTIVATE()
ON_WM_ACTIVATEAPP()
ON_WM_COPYDATA()
ON_WM_SIZING()
ON_WM_NCHITTEST()
ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

namespace {
// What the launcher answers to every record: taken.
const BOOL kRecordTaken = -2;
}  // namespace

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs) {
    if (!CFrameWnd::PreCreateWindow(cs)) return FALSE;
    cs.style &= ~(WS_BORDER | WS_THICKFRAME | WS_MAXIMIZEBOX);
    cs.hMenu = nullptr;
    return TRUE;
}

SIZE CMainFrame::CalcFixedWindowSize(int nHeadHeight) const {
    CRect rcClient, rcWindow;
    GetClientRect(&rcClient);
    GetWindowRect(&rcWindow);
    return {rcWindow.Width() - rcClient.Width() + kClientWidth,
            rcWindow.Height() - rcClient.Height() + kClientHeight + nHeadHeight};
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) LogEvent("end", "the launcher's window was closed");
    if (message == WM_DESTROY) {
        m_pHotKey.reset();
        GameRecord record =
            MakeLauncherClosingRecord(static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(m_hWnd)));
        SendToGame(&record, TRUE);
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    m_pHotKey.reset(new CScreenshotHotKey(m_hWnd));
    return 0;
}

void CMainFrame::OnHotKey(UINT nHotKeyId, UINT, UINT) {
    // while a modal window is up (the capture itself, say) the keys do nothing
    if (nHotKeyId != CScreenshotHotKey::kId || !::IsWindowEnabled(m_hWnd)) return;
    ::PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(ID_SCREENSHOT, 0), 0);
}

void CMainFrame::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    CFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    WPARAM active = (nState != WA_INACTIVE && !bMinimized) ? 1 : 0;
    if (g_bGamePageShown == 1 && g_hGameWnd) {
        ::SendMessageA(g_hGameWnd, WM_ACTIVATEAPP, active, 0);
    }
}

void CMainFrame::OnActivateApp(BOOL bActive, DWORD dwThreadID) {
    CFrameWnd::OnActivateApp(bActive, dwThreadID);
    if (m_pHotKey) m_pHotKey->OnActivateApp(bActive, dwThreadID);
}

BOOL CMainFrame::OnCopyData(CWnd*, COPYDATASTRUCT* pCopyDataStruct) {
    const void* pData = pCopyDataStruct ? pCopyDataStruct->lpData : nullptr;
    const DWORD cbData = pCopyDataStruct ? pCopyDataStruct->cbData : 0;
    uint32_t nCode = 0;
    if (!ReadRecordCode(pData, cbData, &nCode)) {
        LogEvent("record-received", "%lu bytes, too short for a code, answer -2", cbData);
        return kRecordTaken;
    }
    LogEvent("record-received", "code %u, %lu bytes, answer -2", nCode, cbData);
    if (nCode == GR_GAME_READY) {
        LogEvent("game-ready", "%lu ms after the start", MsSinceGameStart());
        if (IWorkspace* pWorkspace = IWorkspace::Get()) pWorkspace->OnGameReady();
    }
    return kRecordTaken;
}

void CMainFrame::OnSizing(UINT fwSide, LPRECT pRect) {
    CFrameWnd::OnSizing(fwSide, pRect);
    IWorkspace* pWorkspace = IWorkspace::Get();
    if (!pWorkspace) return;
    SIZE size = CalcFixedWindowSize(pWorkspace->GetHeadHeight());
    pRect->right = pRect->left + size.cx;
    pRect->bottom = pRect->top + size.cy;
}

// Sizes that do not come from the user's dragging (another program moving the
// window, say) are held to the fixed size as well. A minimised window, or one being
// restored, shows no client area to measure its frame by: it is left alone.
void CMainFrame::OnWindowPosChanging(WINDOWPOS* lpwndpos) {
    CFrameWnd::OnWindowPosChanging(lpwndpos);
    IWorkspace* pWorkspace = IWorkspace::Get();
    if (!pWorkspace || (lpwndpos->flags & SWP_NOSIZE) || ::IsIconic(m_hWnd)) return;
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.Width() <= 0 || rcClient.Height() <= 0) return;
    SIZE size = CalcFixedWindowSize(pWorkspace->GetHeadHeight());
    lpwndpos->cx = size.cx;
    lpwndpos->cy = size.cy;
}

LRESULT CMainFrame::OnNcHitTest(CPoint point) {
    LRESULT hit = CFrameWnd::OnNcHitTest(point);
    return hit == HTSYSMENU ? HTCAPTION : hit;
}
