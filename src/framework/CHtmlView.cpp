#include "CHtmlView.h"

#include "Afx.h"
#include "CBstr.h"
#include "CRect.h"
#include "CVariant.h"
#include "InitialUpdate.h"

namespace {

// The class of the view's window and of the browser's host window inside it.
LPCSTR HtmlWindowClass() {
    return AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                               reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
}

}  // namespace

BEGIN_MESSAGE_MAP(CHtmlView, CView)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_DESTROY()
ON_MESSAGE(WM_INITIALUPDATE, &CHtmlView::HandleInitialUpdate)
END_MESSAGE_MAP()

CHtmlView::~CHtmlView() {
    // while this object is whole, so that its own destroy handling runs
    DestroyWindow();
}

BOOL CHtmlView::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, UINT nID, CCreateContext*) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CHtmlView::Create(CWnd* pParentWnd, UINT nID) {
    return Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL CHtmlView::PreCreateWindow(CREATESTRUCTA& cs) {
    if (!cs.lpszClass) cs.lpszClass = HtmlWindowClass();
    cs.style |= WS_CLIPCHILDREN;
    return CView::PreCreateWindow(cs);
}

// The browser is made with the window; a window without one stays empty.
int CHtmlView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CView::OnCreate(lpCreateStruct) == -1) return -1;
    RECT rc;
    GetClientRect(&rc);
    if (!m_wndBrowser.CreateEx(0, HtmlWindowClass(), nullptr,
                               WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, rc, this,
                               0)) {
        return -1;
    }
    if (m_wndBrowser.CreateControl(this)) m_pBrowser = m_wndBrowser.QueryBrowser();
    return 0;
}

void CHtmlView::OnSize(UINT nType, int cx, int cy) {
    CView::OnSize(nType, cx, cy);
    if (m_wndBrowser.m_hWnd) ::MoveWindow(m_wndBrowser.m_hWnd, 0, 0, cx, cy, TRUE);
}

void CHtmlView::OnDestroy() {
    m_pBrowser.Release();
    CView::OnDestroy();
}

LRESULT CHtmlView::HandleInitialUpdate(WPARAM, LPARAM) {
    OnInitialUpdate();
    return 0;
}

BOOL CHtmlView::PreTranslateMessage(MSG* pMsg) {
    // the page's own keys (Tab between links, copy, ...) go to the browser first
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
        m_wndBrowser.TranslateAccelerator(pMsg)) {
        return TRUE;
    }
    return CView::PreTranslateMessage(pMsg);
}

// No flags, no target frame, no post data and no headers: empty variants.
void CHtmlView::Navigate2(LPCSTR lpszURL) {
    if (!m_pBrowser) return;
    CVariant url(CBstr(lpszURL).Detach());
    CVariant flags;
    VARIANT* pFlags = flags.Receive();
    pFlags->vt = VT_I4;
    pFlags->lVal = 0;
    CVariant target, postData, headers;
    m_pBrowser->Navigate2(url.Ptr(), flags.Ptr(), target.Ptr(), postData.Ptr(), headers.Ptr());
}

ComPtr<IDispatch> CHtmlView::GetHtmlDocument() const {
    ComPtr<IDispatch> pDocument;
    if (m_pBrowser) m_pBrowser->get_Document(pDocument.Receive());
    return pDocument;
}

void CHtmlView::OnStatusTextChange(LPCSTR) {}
void CHtmlView::OnTitleChange(LPCSTR) {}
void CHtmlView::OnNewWindow2(LPDISPATCH*, BOOL*) {}
