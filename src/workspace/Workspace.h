// The form view that fills the main frame: the tab strip along its top edge over
// the pages, and the timers that keep the game informed.
#pragma once

#include <exdisp.h>

#include "ButtonST.h"
#include "CBitmap.h"
#include "CButton.h"
#include "CDownloader.h"
#include "CEdit.h"
#include "CFormView.h"
#include "CHyperLink.h"
#include "CStatic.h"
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
    // Once the view is on screen and painted, one piece of what its pages left for
    // then (the game's start, a hidden web page's browser), the selected page's
    // first. TRUE if it did one; FALSE when nothing is left or the view is hidden.
    BOOL DoDeferredWork();
    // command 1007: the screen capture, then the keyboard back to the selected page
    void OnScreenshot();

    void OnSize(UINT nType, int cx, int cy);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnTimer(UINT_PTR nIDEvent);
    // commands 1019, 1020, 1024, 1025: the selected web page's browser, if any
    void OnBrowserBack();
    void OnBrowserForward();
    void OnBrowserStop();
    void OnBrowserRefresh();
    // Ctrl+V and the commands of the hidden form controls: taken, and nothing done
    void OnIgnoredCommand() {}

    CBitmap m_bmpHead;            // "Platform\WorkspaceHead.bmp"
    int m_nHeadHeight = 0;        // its height: the height of the tab strip
    CPageTab m_wndTabs;           // the tab strip (control 1031)
    CDownloader m_wndDownloader;  // the download window (control 1027)

    // The form's other controls: bound, some configured, never shown.
    CStatic m_wndCount;       // 1004
    CStatic m_wndHint;        // 1005
    CButton m_btnExpand;      // 1010
    CButton m_btnPreview;     // 1011
    CHyperLink m_wndLink;     // 1022
    CButtonST m_btnConvert;   // 1001
    CButtonST m_btnRewrite;   // 1006
    CHyperLink m_wndLink2;    // 1023
    CButtonST m_btnBack;      // 1019
    CButtonST m_btnForward;   // 1020
    CButton m_btnScreenshot;  // 1007
    CButton m_btnGo;          // 1002
    CButton m_btnGallery;     // 1009
    CButton m_btnDropLink;    // 1021
    CEdit m_editSearch;       // 1054
    CButton m_btnDropGo;      // 1012
    CButton m_btnSearch;      // 1055
    CButton m_btnFavourite;   // 1008
    CButton m_btnStop;        // 1024
    CButton m_btnRefresh;     // 1025
    CButton m_btnNote;        // 1013
    CButton m_btnSave;        // 1034
    CButton m_btnDropExpand;  // 1014

protected:
    DECLARE_MESSAGE_MAP()

private:
    // The hidden controls hidden once more; the two browser buttons get their
    // icons and hover looks, the convert and rewrite buttons a lighter hover.
    void SetUpFormControls();
    static void SetUpBrowserButton(CButtonST& button, UINT nIDIcon);
    // the browser of the selected tab's page if that is a web page, or null
    IWebBrowser2* SelectedBrowser() const;
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
