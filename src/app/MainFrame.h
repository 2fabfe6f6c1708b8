// The launcher's only top-level window: a fixed-size frame around the workspace,
// and the end of the game link that hears from the game.
#pragma once

#include <memory>

#include "CFrameWnd.h"
#include "ScreenshotHotKey.h"

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)

public:
    // client area of the window: kClientWidth x (kClientHeight + head picture height)
    static constexpr int kClientWidth = 1000;
    static constexpr int kClientHeight = 660;

    // The window size that gives the fixed client area, for the current frame.
    SIZE CalcFixedWindowSize(int nHeadHeight) const;

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnHotKey(UINT nHotKeyId, UINT nKey1, UINT nKey2);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    BOOL OnCopyData(CWnd* pWnd, COPYDATASTRUCT* pCopyDataStruct);
    void OnSizing(UINT fwSide, LPRECT pRect);
    LRESULT OnNcHitTest(CPoint point);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);

protected:
    DECLARE_MESSAGE_MAP()

private:
    // Ctrl+Alt+A: the screen capture (command 1007), while the launcher or the game
    // is in front and no other program holds the keys
    std::unique_ptr<CScreenshotHotKey> m_pHotKey;
};
