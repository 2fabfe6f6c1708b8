#include "Workspace.h"

#include "Afx.h"
#include "CCatchScreenDlg.h"
#include "CDataExchange.h"
#include "config/CSiteConfig.h"
#include "CWinApp.h"
#include "CliengPage.h"
#include "ForumAddress.h"
#include "GameLink.h"
#include "GameToolsPage.h"
#include "Skin.h"
#include "WebBrowserDlg.h"
#include "WebBrowserPage.h"
#include "resource.h"

CWorkspace* g_pWorkspace = nullptr;

namespace {
// the game's product name, as the forum knows it
const char kProductName[] = "Orbavel";
const UINT kPageGeometryPeriodMs = 1000;
}  // namespace

IMPLEMENT_DYNCREATE(CWorkspace)

BEGIN_MESSAGE_MAP(CWorkspace, CFormView)
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_TIMER()
ON_COMMAND(ID_SCREENSHOT, &CWorkspace::OnScreenshot)
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
    return CFormView::PreCreateWindow(cs);
}

void CWorkspace::DoDataExchange(CDataExchange* pDX) {
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TABS, m_wndTabs);
}

void CWorkspace::OnInitialUpdate() {
    CFormView::OnInitialUpdate();
    LoadHeadPicture();
    LayoutPages();
    AddWebTab(MakeForumAddress(kProductName), CString(kProductName) + AfxAnsiFromUtf8("吧"),
              "Platform\\WorkspaceBtn0.bmp");
    AddGameTab(AfxAnsiFromUtf8("进行游戏"), "Platform\\WorkspaceBtn1.bmp");
    AddToolsTab("Tools", "Platform\\WorkspaceBtn2.bmp");
    // without a site list there are no site tabs, and nothing more changes
    AddSiteTabs();
    if (m_wndTabs.GetPageCount() >= 2) m_wndTabs.SelectPage(1);
    // enabled by the frame once the game is ready
    m_wndTabs.EnableWindow(FALSE);
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

int CWorkspace::AddWebTab(CString strAddress, CString strCaption, CString strPicture) {
    auto* pDlg =
        static_cast<CWebBrowserDlg*>(AddTab(new CWebBrowserPage, strCaption, strPicture)->m_pDlg);
    pDlg->m_wndHtml.Navigate2(strAddress, 0, nullptr, nullptr, nullptr, 0);
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
    if (!config.Load()) return;
    for (int i = 0; i < config.GetSectionCount(); i++) {
        const CConfigSection* pSection = config.GetSection(i);
        const CString strName = pSection->GetValue("Name");
        const CString strUrl = pSection->GetValue("Url");
        if (!strName.IsEmpty() && !strUrl.IsEmpty()) AddWebTab(strUrl, strName, CString());
    }
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
    CAnyTabPage* pPage = m_wndTabs.GetSelectedPage();
    return pPage ? pPage->m_pDlg : nullptr;
}

void CWorkspace::OnScreenshot() {
    CWnd* pPageDlg = SelectedPageDialog();
    const HWND hPageDlg = pPageDlg ? pPageDlg->m_hWnd : nullptr;
    {
        CCatchScreenDlg dlg;
        dlg.DoModal();
    }
    if (hPageDlg && ::IsWindow(hPageDlg)) ::SetFocus(hPageDlg);
}
