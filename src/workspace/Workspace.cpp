#include "Workspace.h"

#include "CCatchScreenDlg.h"
#include "CDataExchange.h"
#include "CWinApp.h"
#include "GameLink.h"
#include "Skin.h"
#include "resource.h"

CWorkspace* g_pWorkspace = nullptr;

IMPLEMENT_DYNCREATE(CWorkspace)

BEGIN_MESSAGE_MAP(CWorkspace, CFormView)
ON_WM_TIMER()
ON_COMMAND(ID_SCREENSHOT, &CWorkspace::OnScreenshot)
END_MESSAGE_MAP()

CWorkspace::CWorkspace() : CFormView(IDD_WORKSPACE) {
    g_pWorkspace = this;
}

CWorkspace::~CWorkspace() {
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
    m_nHeadHeight = 0;
    if (LoadBitmapFile("Platform\\WorkspaceHead.bmp", m_bmpHead, nullptr)) {
        BITMAP bm = {};
        if (m_bmpHead.GetBitmap(&bm)) m_nHeadHeight = bm.bmHeight;
    }
    ConnectGameLink();
}

void CWorkspace::ConnectGameLink() {
    g_strGameWndClass = "QOVEXPLATFORM";
    CWinApp* pApp = AfxGetApp();
    CWnd* pMainWnd = pApp ? pApp->GetMainWnd() : nullptr;
    g_hLauncherWnd = pMainWnd ? pMainWnd->m_hWnd : nullptr;
}

void CWorkspace::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kKeepAliveTimer) {
        GameRecord record = MakeKeepAliveRecord();
        SendToGame(&record, TRUE);
    }
    Default();
}

// Until the workspace has its tabs there is no page whose caption could change.
BOOL CWorkspace::OnPageTitleChanged(CWnd*, CString) {
    return FALSE;
}

CWnd* CWorkspace::SelectedPageDialog() const {
    return nullptr;  // no tabs yet: the strip's selected page will tell
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
