// The form view that fills the main frame: the head picture and the tab strip
// over the pages, and the timers that keep the game informed.
#pragma once

#include "CBitmap.h"
#include "CFormView.h"

class CWorkspace : public CFormView {
    DECLARE_DYNCREATE(CWorkspace)

public:
    CWorkspace();
    ~CWorkspace() override;

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitialUpdate() override;

    void OnTimer(UINT_PTR nIDEvent);
    // command 1007: the screen capture, then the keyboard back to the selected page
    void OnScreenshot();

    // A web page's title changed: TRUE when the page is one of the tabs' (their
    // captions are repainted).
    BOOL OnPageTitleChanged(CWnd* pPageWnd, CString strCaption);

    CBitmap m_bmpHead;      // "Platform\WorkspaceHead.bmp"
    int m_nHeadHeight = 0;  // its height: the height of the tab strip
    CWnd m_wndTabs;         // the tab strip (control 1031)

protected:
    DECLARE_MESSAGE_MAP()

private:
    // Points the game link at the game's window class and at the launcher's main
    // window, which every record names as its sender.
    void ConnectGameLink();
    // the selected tab's page dialog, or null
    CWnd* SelectedPageDialog() const;
};

// the one workspace, or null while there is none
extern CWorkspace* g_pWorkspace;

// timer ids of the workspace's window
constexpr UINT_PTR kPageGeometryTimer = 1001;
constexpr UINT_PTR kKeepAliveTimer = 1002;
