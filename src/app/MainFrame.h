// The launcher's only top-level window: a fixed-size frame around the workspace,
// and the end of the game link that hears from the game.
#pragma once

#include "CFrameWnd.h"

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)

public:
    // client area of the window: kClientWidth x (kClientHeight + head picture height)
    static constexpr int kClientWidth = 1000;
    static constexpr int kClientHeight = 660;

    // The window size that gives the fixed client area, for the current frame.
    SIZE CalcFixedWindowSize(int nHeadHeight) const;

    // Ctrl+Alt+A anywhere: the screen capture (command 1007), while the frame exists
    // and no other program holds the keys
    static constexpr int kScreenshotHotKey = 1;

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnHotKey(UINT nHotKeyId, UINT nKey1, UINT nKey2);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    BOOL OnCopyData(CWnd* pWnd, COPYDATASTRUCT* pCopyDataStruct);
    void OnSizing(UINT fwSide, LPRECT pRect);
    LRESULT OnNcHitTest(CPoint point);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);

protected:
    DECLARE_MESSAGE_MAP()
};
