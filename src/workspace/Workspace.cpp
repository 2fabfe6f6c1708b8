#include "Workspace.h"

#include <initializer_list>

#include "Afx.h"
#include "CCatchScreenDlg.h"
#include "CDataExchange.h"
#include "CSiteConfig.h"
#include "CWinApp.h"
#include "CliengDlg.h"
#include "CliengPage.h"
#include "ForumAddress.h"
#include "GameLink.h"
#include "GameToolsPage.h"
#include "Log.h"
#include "Skin.h"
#include "WebBrowserDlg.h"
#include "WebBrowserPage.h"
#include "resource.h"

CWorkspace* g_pWorkspace = nullptr;

namespace {
// the game's product name, as the forum knows it
const char kProductName[] = "Orbavel";
const UINT kPageGeometryPeriodMs = 1000;
// how often the game hears that the launcher is alive, once it is ready
const UINT kKeepAlivePeriodMs = 5000;
}  // namespace

IMPLEMENT_DYNCREATE(CWorkspace)

BEGIN_MESSAGE_MAP(CWorkspace, CFormView)
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_TIMER()
ON_COMMAND(ID_SCREENSHOT, &CWorkspace::OnScreenshot)
ON_COMMAND(IDC_WS_BACK, &CWorkspace::OnBrowserBack)
ON_COMMAND(IDC_WS_FORWARD, &CWorkspace::OnBrowserForward)
ON_COMMAND(IDC_WS_STOP, &CWorkspace::OnBrowserStop)
ON_COMMAND(IDC_WS_REFRESH, &CWorkspace::OnBrowserRefresh)
ON_COMMAND(ID_WORKSPACE_PASTE, &CWorkspace::OnIgnoredCommand)
ON_COMMAND(IDC_WS_CONVERT, &CWorkspace::OnIgnoredCommand)
ON_COMMAND(IDC_WS_GO, &CWorkspace::OnIgnoredCommand)
ON_COMMAND(IDC_WS_REWRITE, &CWorkspace::OnIgnoredCommand)
ON_COMMAND(IDC_WS_FAVOURITE, &CWorkspace::OnIgnoredCommand)
ON_COMMAND(IDC_WS_GALLERY, &CWorkspace::OnIgnoredCommand)
ON_COMMAND(IDC_WS_EXPAND, &CWorkspace::OnIgnoredCommand)
ON_COMMAND(IDC_WS_DROP_GO, &CWorkspace::OnIgnoredCommand)
ON_COMMAND(IDC_WS_NOTE, &CWorkspace::OnIgnoredCommand)
ON_COMMAND(IDC_WS_DROP_EXPAND, &CWorkspace::OnIgnoredCommand)
ON_COMMAND(IDC_WS_DROP_LINK, &CWorkspace::OnIgnoredCommand)
ON_COMMAND(IDC_WS_SAVE, &CWorkspace::OnIgnoredCommand)
ON_COMMAND(IDC_WS_SEARCH, &CWorkspace::OnIgnoredCommand)
ON_CONTROL(EN_CHANGE, IDC_WS_NOTE_EDIT, &CWorkspace::OnIgnoredCommand)
END_MESSAGE_MAP()

CWorkspace::CWorkspace() : CFormView(IDD_WORKSPACE) {
    g_pWorkspace = this;
}

CWorkspace::~CWorkspace() {
    m_wndTabs.RemoveAllPages();
    if (g_pWorkspace == this) g_pWorkspace = nullptr;
}

BOOL CWorkspace::PreCreateWindow(CREATESTRUCTA& cs) {
    cs.style &= ~WS_BORDER;
    AfxInitRichEdit();  // the form's two rich edit controls need their class
    return CFormView::PreCreateWindow(cs);
}

void CWorkspace::DoDataExchange(CDataExchange* pDX) {
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_WS_COUNT, m_wndCount);
    DDX_Control(pDX, IDC_WS_HINT, m_wndHint);
    DDX_Control(pDX, IDC_WS_EXPAND, m_btnExpand);
    DDX_Control(pDX, IDC_WS_PREVIEW, m_btnPreview);
    DDX_Control(pDX, IDC_WS_LINK, m_wndLink);
    DDX_Control(pDX, IDC_WS_CONVERT, m_btnConvert);
    DDX_Control(pDX, IDC_WS_REWRITE, m_btnRewrite);
    DDX_Control(pDX, IDC_WS_LINK2, m_wndLink2);
    DDX_Control(pDX, IDC_WS_DOWNLOADER, m_wndDownloader);
    DDX_Control(pDX, IDC_TABS, m_wndTabs);
    DDX_Control(pDX, IDC_WS_BACK, m_btnBack);
    DDX_Control(pDX, IDC_WS_FORWARD, m_btnForward);
    DDX_Control(pDX, ID_SCREENSHOT, m_btnScreenshot);
    DDX_Control(pDX, IDC_WS_GO, m_btnGo);
    DDX_Control(pDX, IDC_WS_GALLERY, m_btnGallery);
    DDX_Control(pDX, IDC_WS_DROP_LINK, m_btnDropLink);
    DDX_Control(pDX, IDC_WS_SEARCH_EDIT, m_editSearch);
    DDX_Control(pDX, IDC_WS_DROP_GO, m_btnDropGo);
    DDX_Control(pDX, IDC_WS_SEARCH, m_btnSearch);
    DDX_Control(pDX, IDC_WS_FAVOURITE, m_btnFavourite);
    DDX_Control(pDX, IDC_WS_STOP, m_btnStop);
    DDX_Control(pDX, IDC_WS_REFRESH, m_btnRefresh);
    DDX_Control(pDX, IDC_WS_NOTE, m_btnNote);
    DDX_Control(pDX, IDC_WS_SAVE, m_btnSave);
    DDX_Control(pDX, IDC_WS_DROP_EXPAND, m_btnDropExpand);
}

void CWorkspace::OnInitialUpdate() {
    CFormView::OnInitialUpdate();
    SetUpFormControls();
    LoadHeadPicture();
    LayoutPages();
    AddWebTab(MakeForumAddress(kProductName), CString(kProductName) + AfxAnsiFromUtf8("吧"),
              kForumTabPictureFile);
    AddGameTab(AfxAnsiFromUtf8("进行游戏"), kGameTabPictureFile);
    AddToolsTab("Tools", kToolsTabPictureFile);
    // without a site list there are no site tabs, and nothing more changes
    AddSiteTabs();
    if (m_wndTabs.GetPageCount() >= 2) m_wndTabs.SelectPage(1);
    // enabled by the frame once the game is ready
    m_wndTabs.EnableWindow(FALSE);
}

void CWorkspace::SetUpFormControls() {
    for (CWnd* pWnd :
         std::initializer_list<CWnd*>{&m_wndCount, &m_wndHint, &m_btnExpand, &m_btnPreview,
                                      &m_wndLink, &m_btnConvert, &m_btnRewrite}) {
        pWnd->ShowWindow(SW_HIDE);
    }
    SetUpBrowserButton(m_btnBack, IDI_BROWSER_BACK);
    SetUpBrowserButton(m_btnForward, IDI_BROWSER_FORWARD);
    m_btnConvert.LightenHoverColour();
    m_btnRewrite.LightenHoverColour();
}

void CWorkspace::SetUpBrowserButton(CButtonST& button, UINT nIDIcon) {
    // 0 x 0: the icon's own size
    HICON hIcon = static_cast<HICON>(::LoadImageA(
        ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIDIcon), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
    if (hIcon && button.SetIcons(hIcon) != 0) ::DestroyIcon(hIcon);
    button.LightenHoverColour();
    button.SetColour(CButtonST::ColourForeIn, RGB(0, 128, 0));
    button.SetAlignment(CButtonST::AlignVertical);
}

void CWorkspace::LoadHeadPicture() {
    m_nHeadHeight = 0;
    if (!LoadBitmapFile("Platform\\WorkspaceHead.bmp", m_bmpHead, nullptr)) return;
    BITMAP bm = {};
    if (m_bmpHead.GetBitmap(&bm)) m_nHeadHeight = bm.bmHeight;
}

CAnyTabPage* CWorkspace::AddTab(CAnyTabPage* pPage, const CString& strCaption,
                                const CString& strPicture) {
    pPage->Create(this, &m_wndTabs);
    if (!strPicture.IsEmpty()) LoadSkinPicture(strPicture, pPage->m_picture);
    if (!strCaption.IsEmpty()) pPage->m_strCaption = strCaption;
    return pPage;
}

// The page's browser is made when the page is first shown or in idle time after the
// window has painted, and goes to the address then.
int CWorkspace::AddWebTab(CString strAddress, CString strCaption, CString strPicture) {
    auto* pDlg =
        static_cast<CWebBrowserDlg*>(AddTab(new CWebBrowserPage, strCaption, strPicture)->m_pDlg);
    pDlg->Navigate(strAddress);
    pDlg->m_wndHtml.m_strHomeUrl = strAddress;
    LayoutPages();
    return 1;
}

int CWorkspace::AddGameTab(CString strCaption, CString strPicture) {
    AddTab(new CCliengPage, strCaption, strPicture);
    LayoutPages();
    ConnectGameLink();
    SetTimer(kPageGeometryTimer, kPageGeometryPeriodMs);
    return 1;
}

int CWorkspace::AddToolsTab(CString strCaption, CString strPicture) {
    AddTab(new CGameToolsPage, strCaption, strPicture);
    LayoutPages();
    return 1;
}

void CWorkspace::AddSiteTabs() {
    CSiteConfig config;
    if (!config.Load()) {
        LogEvent("site-list", "Platform/Config.ini not found: no site tabs");
        return;
    }
    int nSites = 0;
    for (int i = 0; i < config.GetSectionCount(); i++) {
        const CConfigSection* pSection = config.GetSection(i);
        const CString strName = pSection->GetValue("Name");
        const CString strUrl = pSection->GetValue("Url");
        if (strName.IsEmpty() || strUrl.IsEmpty()) continue;
        AddWebTab(strUrl, strName, CString());
        nSites++;
    }
    LogEvent("site-list", "Platform/Config.ini: %d sections, %d sites", config.GetSectionCount(),
             nSites);
}

// The queue is empty when this is called, so a visible view has been painted.
BOOL CWorkspace::DoDeferredWork() {
    if (!IsWindowVisible()) return FALSE;
    CAnyTabPage* pSelected = m_wndTabs.GetSelectedPage();
    if (pSelected && pSelected->DoDeferredWork()) return TRUE;
    for (int i = 0; i < m_wndTabs.GetPageCount(); i++) {
        CAnyTabPage* pPage = m_wndTabs.GetPage(i);
        if (pPage && pPage->DoDeferredWork()) return TRUE;
    }
    return FALSE;
}

void CWorkspace::ConnectGameLink() {
    g_strGameWndClass = "QOVEXPLATFORM";
    CWinApp* pApp = AfxGetApp();
    CWnd* pMainWnd = pApp ? pApp->GetMainWnd() : nullptr;
    g_hLauncherWnd = pMainWnd ? pMainWnd->m_hWnd : nullptr;
}

void CWorkspace::LayoutPages() {
    CRect rcClient;
    GetClientRect(&rcClient);
    m_wndTabs.MoveStripAndPages(
        CRect(0, rcClient.top, rcClient.Width(), rcClient.top + m_nHeadHeight),
        CRect(rcClient.left, rcClient.top + m_nHeadHeight, rcClient.right, rcClient.bottom));
}

int CWorkspace::SendPageGeometry() {
    const CAnyTabPage* pPage = m_wndTabs.GetSelectedPage();
    if (!pPage || pPage->m_nKind != PAGE_GAME || !pPage->m_pDlg) return 1;
    const HWND hPage = pPage->m_pDlg->m_hWnd;
    CRect rcPage;
    ::GetClientRect(hPage, &rcPage);
    GameRecord record = MakePageGeometryRecord(
        static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(hPage)),
        static_cast<uint32_t>(rcPage.Width()), static_cast<uint32_t>(rcPage.Height()));
    SendToGame(&record, FALSE);
    return 1;
}

void CWorkspace::OnGameReady() {
    if (g_pCliengDlg) g_pCliengDlg->m_bGameReady = TRUE;
    m_wndTabs.EnableWindow(TRUE);
    m_wndTabs.Invalidate();
    SetTimer(kKeepAliveTimer, kKeepAlivePeriodMs);
}

BOOL CWorkspace::OnPageTitleChanged(CWnd* pWnd, CString) {
    // a tab keeps the caption it was built with: only the strip is repainted
    if (!pWnd || m_wndTabs.FindPageByWindow(pWnd) == -1) return FALSE;
    m_wndTabs.Invalidate();
    return TRUE;
}

void CWorkspace::OnSize(UINT nType, int cx, int cy) {
    CFormView::OnSize(nType, cx, cy);
    LayoutPages();
    SendPageGeometry();
}

BOOL CWorkspace::OnEraseBkgnd(CDC*) {
    return FALSE;  // the strip and the pages cover the view
}

void CWorkspace::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kPageGeometryTimer) {
        SendPageGeometry();
    } else if (nIDEvent == kKeepAliveTimer) {
        GameRecord record = MakeKeepAliveRecord();
        SendToGame(&record, TRUE);
    }
    Default();
}

CWnd* CWorkspace::SelectedPageDialog() const {
    const CAnyTabPage* pPage = m_wndTabs.GetSelectedPage();
    return pPage ? pPage->m_pDlg : nullptr;
}

IWebBrowser2* CWorkspace::SelectedBrowser() const {
    const CAnyTabPage* pPage = m_wndTabs.GetSelectedPage();
    if (!pPage || pPage->m_nKind != PAGE_WEB || !pPage->m_pDlg) return nullptr;
    return static_cast<CWebBrowserDlg*>(pPage->m_pDlg)->m_wndHtml.GetBrowser();
}

void CWorkspace::OnBrowserBack() {
    if (IWebBrowser2* pBrowser = SelectedBrowser()) pBrowser->GoBack();
}

void CWorkspace::OnBrowserForward() {
    if (IWebBrowser2* pBrowser = SelectedBrowser()) pBrowser->GoForward();
}

void CWorkspace::OnBrowserStop() {
    if (IWebBrowser2* pBrowser = SelectedBrowser()) pBrowser->Stop();
}

void CWorkspace::OnBrowserRefresh() {
    if (IWebBrowser2* pBrowser = SelectedBrowser()) pBrowser->Refresh();
}

void CWorkspace::OnScreenshot() {
    // the command may come from anywhere, also while the overlay is up: one at a time
    if (CCatchScreenDlg::IsOpen()) return;
    CWnd* pPageDlg = SelectedPageDialog();
    const HWND hPageDlg = pPageDlg ? pPageDlg->m_hWnd : nullptr;
    {
        CCatchScreenDlg dlg;
        dlg.DoModal();
    }
    if (hPageDlg && ::IsWindow(hPageDlg)) ::SetFocus(hPageDlg);
}
