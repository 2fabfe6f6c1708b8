// The form view that fills the main frame: the tab strip along its top edge over
// the pages, and the timers that keep the game informed.
#pragma once

#include "CBitmap.h"
#include "CFormView.h"
#include "PageTab.h"

class CWorkspace : public CFormView {
    DECLARE_DYNCREATE(CWorkspace)

public:
    CWorkspace();
    ~CWorkspace() override;

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Builds every tab (forum, game, tools, configured sites), starts the game and
    // keeps the strip disabled on the game's tab until the game is ready.
    void OnInitialUpdate() override;

    // A web page's title changed: repaints the strip if pWnd is one of its pages.
    BOOL OnPageTitleChanged(CWnd* pWnd, CString strTitle);
    // command 1007: the screen capture, then the keyboard back to the selected page
    void OnScreenshot();

    void OnSize(UINT nType, int cx, int cy);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnTimer(UINT_PTR nIDEvent);

    CBitmap m_bmpHead;      // "Platform\WorkspaceHead.bmp"
    int m_nHeadHeight = 0;  // its height: the height of the tab strip
    CPageTab m_wndTabs;     // the tab strip (control 1031)

protected:
    DECLARE_MESSAGE_MAP()

private:
    void LoadHeadPicture();
    int AddWebTab(CString strAddress, CString strCaption, CString strPicture);
    int AddGameTab(CString strCaption, CString strPicture);
    int AddToolsTab(CString strCaption, CString strPicture);
    // one web tab for each site of "Platform/Config.ini" that has a name and an address
    void AddSiteTabs();
    // Creates the page (new, handed to the strip) with its caption and tab
    // picture, each only if given.
    CAnyTabPage* AddTab(CAnyTabPage* pPage, const CString& strCaption, const CString& strPicture);
    // Points the game link at the game's window class and at the launcher's main
    // window, which every record names as its sender.
    static void ConnectGameLink();
    // the strip along the top, every page below it
    void LayoutPages();
    // the game page's window and client size to the game, while its tab is selected
    int SendPageGeometry();
    // the selected tab's page dialog, or null
    CWnd* SelectedPageDialog() const;
};

// the one workspace; set by its constructor
extern CWorkspace* g_pWorkspace;

// timer ids of the workspace's window
constexpr UINT_PTR kPageGeometryTimer = 1001;
constexpr UINT_PTR kKeepAliveTimer = 1002;
