#include "WebBrowserDlg.h"

#include <algorithm>

#include "CDataExchange.h"
#include "CRect.h"
#include "InitialUpdate.h"
#include "Skin.h"
#include "WorkingPath.h"

namespace {

// The toolbar band the browser stays below.
constexpr int kToolbarBand = 32;

// A strip of four cells: each cell is a quarter of the picture.
void LoadStrip(CImageButton& button, LPCSTR lpszPath) {
    LoadSkinPicture(lpszPath, button.m_picture);
    button.m_nCellWidth = static_cast<int>(button.m_picture.nWidth / 4);
    button.m_nCellHeight = static_cast<int>(button.m_picture.nHeight);
}

}  // namespace

IMPLEMENT_DYNCREATE(CWebBrowserDlg)

BEGIN_MESSAGE_MAP(CWebBrowserDlg, CDialog)
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_SETFOCUS()
ON_WM_SHOWWINDOW()
ON_BN_CLICKED(IDC_WEB_HOME, &CWebBrowserDlg::OnHome)
ON_BN_CLICKED(IDC_WEB_BACK, &CWebBrowserDlg::OnBack)
ON_BN_CLICKED(IDC_WEB_FORWARD, &CWebBrowserDlg::OnForward)
ON_BN_CLICKED(IDC_WEB_STOP, &CWebBrowserDlg::OnStop)
ON_BN_CLICKED(IDC_WEB_REFRESH, &CWebBrowserDlg::OnRefresh)
END_MESSAGE_MAP()

CWebBrowserDlg::CWebBrowserDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

CWebBrowserDlg::~CWebBrowserDlg() {
    // while the members are whole, so that the browser goes with its window
    DestroyWindow();
}

void CWebBrowserDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_WEB_HOME, m_btnHome);
    DDX_Control(pDX, IDC_WEB_BACK, m_btnBack);
    DDX_Control(pDX, IDC_WEB_FORWARD, m_btnForward);
    DDX_Control(pDX, IDC_WEB_STOP, m_btnStop);
    DDX_Control(pDX, IDC_WEB_REFRESH, m_btnRefresh);
}

BOOL CWebBrowserDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    LoadStrip(m_btnHome, "Platform\\WebBtnHome.bmp");
    LoadStrip(m_btnBack, "Platform\\WebBtnPrev.bmp");
    LoadStrip(m_btnForward, "Platform\\WebBtnNext.bmp");
    LoadStrip(m_btnStop, "Platform\\WebBtnStop.bmp");
    LoadStrip(m_btnRefresh, "Platform\\WebBtnRefresh.bmp");
    // the browser comes when the page is first on screen, or in idle time before
    LoadToolbar();
    return FALSE;
}

// Once only: a browser that cannot be made leaves a page without one, as it was.
BOOL CWebBrowserDlg::CreateBrowser() {
    if (m_bBrowserMade || !m_hWnd) return FALSE;
    m_bBrowserMade = true;
    CRect rc;
    GetClientRect(&rc);
    rc.top = std::min<LONG>(kToolbarBand, rc.bottom);
    if (!m_wndHtml.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rc, this, IDC_WEB_BROWSER,
                          nullptr)) {
        return TRUE;
    }
    m_wndHtml.SendMessage(WM_INITIALUPDATE);  // silent from the start
    if (!m_strBrowserUrl.IsEmpty()) {
        m_wndHtml.Navigate2(m_strBrowserUrl);
    }
    return TRUE;
}

void CWebBrowserDlg::Navigate(const CString& strUrl) {
    if (m_bBrowserMade) {
        m_wndHtml.Navigate2(strUrl);
    } else {
        m_strBrowserUrl = strUrl;
    }
}

// A missing or unreadable picture leaves the toolbar unpainted, of size 0.
BOOL CWebBrowserDlg::LoadToolbar() {
    if (!LoadBitmapFile(GetWorkingPath("Platform\\WebBrowserToolbar.bmp"), m_bmpToolbar, nullptr)) {
        return FALSE;
    }
    BITMAP bm = {};
    if (!m_bmpToolbar.GetBitmap(&bm)) return FALSE;
    m_nToolbarWidth = bm.bmWidth;
    m_nToolbarHeight = bm.bmHeight;
    return TRUE;
}

// The browser fills the width and everything below the toolbar band.
void CWebBrowserDlg::OnSize(UINT nType, int cx, int cy) {
    CDialog::OnSize(nType, cx, cy);
    if (m_wndHtml.m_hWnd) {
        ::MoveWindow(m_wndHtml.m_hWnd, 0, kToolbarBand, cx, std::max(cy - kToolbarBand, 0), TRUE);
    }
}

// The toolbar picture at its own size in the top-left corner; the browser covers
// the rest.
BOOL CWebBrowserDlg::OnEraseBkgnd(CDC* pDC) {
    if (!m_bmpToolbar.m_hObject) return TRUE;
    CDC dcToolbar;
    if (!dcToolbar.CreateCompatibleDC(pDC)) return TRUE;
    dcToolbar.SelectObject(&m_bmpToolbar);
    pDC->BitBlt(0, 0, m_nToolbarWidth, m_nToolbarHeight, &dcToolbar, 0, 0, SRCCOPY);
    return TRUE;
}

// A page the player sees has its browser at once, whether or not its idle turn came.
void CWebBrowserDlg::OnShowWindow(BOOL bShow, UINT) {
    Default();
    if (bShow && ::IsWindowVisible(::GetParent(m_hWnd))) CreateBrowser();
}

// Keys scroll the page at once.
void CWebBrowserDlg::OnSetFocus(CWnd* pOldWnd) {
    CDialog::OnSetFocus(pOldWnd);
    if (HWND hBrowserHost = m_wndHtml.GetBrowserHostWnd()) ::SetFocus(hBrowserHost);
}

// Home is the site the page was first sent to, wherever the user went since.
void CWebBrowserDlg::OnHome() {
    Navigate(m_wndHtml.m_strHomeUrl);
}

// Without a browser the buttons do nothing; with one, what it answers is its own
// business (Back with no history, say).
void CWebBrowserDlg::OnBack() {
    if (IWebBrowser2* pBrowser = m_wndHtml.GetBrowser()) pBrowser->GoBack();
}

void CWebBrowserDlg::OnForward() {
    if (IWebBrowser2* pBrowser = m_wndHtml.GetBrowser()) pBrowser->GoForward();
}

void CWebBrowserDlg::OnStop() {
    if (IWebBrowser2* pBrowser = m_wndHtml.GetBrowser()) pBrowser->Stop();
}

void CWebBrowserDlg::OnRefresh() {
    if (IWebBrowser2* pBrowser = m_wndHtml.GetBrowser()) pBrowser->Refresh();
}
