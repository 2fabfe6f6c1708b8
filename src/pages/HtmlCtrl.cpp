#include "HtmlCtrl.h"

#include <mshtml.h>

#include <cwchar>

#include "Afx.h"
#include "CBstr.h"
#include "CVariant.h"
#include "IWorkspace.h"

namespace {

bool IsLinkTag(BSTR tag) {
    return tag && (std::wcscmp(tag, L"a") == 0 || std::wcscmp(tag, L"A") == 0);
}

// The element itself or the nearest of its ancestors that is a link, or empty.
ComPtr<IHTMLElement> FindEnclosingLink(ComPtr<IHTMLElement> pElement) {
    while (pElement) {
        CBstr tag;
        if (SUCCEEDED(pElement->get_tagName(tag.Receive())) && IsLinkTag(tag.Get())) {
            return pElement;
        }
        ComPtr<IHTMLElement> pParent;
        if (FAILED(pElement->get_parentElement(pParent.Receive()))) break;
        pElement = pParent;
    }
    return {};
}

}  // namespace

IMPLEMENT_DYNCREATE(CHtmlCtrl)

BEGIN_MESSAGE_MAP(CHtmlCtrl, CHtmlView)
ON_WM_DESTROY()
ON_WM_MOUSEACTIVATE()
ON_WM_RBUTTONUP()
END_MESSAGE_MAP()

BOOL CHtmlCtrl::PreTranslateMessage(MSG* pMsg) {
    // no context menu for the mouse
    if (pMsg->message == WM_RBUTTONUP) return TRUE;
    if (pMsg->message == WM_LBUTTONDOWN) CaptureLinkAt(pMsg->pt);
    return CHtmlView::PreTranslateMessage(pMsg);
}

// A click on a link (or on anything inside one) remembers its address, for a
// new window the click may ask for.
void CHtmlCtrl::CaptureLinkAt(POINT ptScreen) {
    POINT pt = ptScreen;
    ::ScreenToClient(m_hWnd, &pt);
    auto pDocument = ComPtr<IHTMLDocument2>::Query(GetHtmlDocument().Get(), IID_IHTMLDocument2);
    if (!pDocument) return;
    ComPtr<IHTMLElement> pElement;
    if (FAILED(pDocument->elementFromPoint(pt.x, pt.y, pElement.Receive()))) return;
    ComPtr<IHTMLElement> pLink = FindEnclosingLink(pElement);
    if (!pLink) return;
    CBstr name("href");
    CVariant value;
    // an "a" without href gives no string: keep what we had
    if (SUCCEEDED(pLink->getAttribute(name.Get(), 0, value.Receive())) && value.Type() == VT_BSTR) {
        m_strLinkUrl = AfxAnsiFromWide(value.Get().bstrVal);
    }
}

void CHtmlCtrl::OnInitialUpdate() {
    CHtmlView::OnInitialUpdate();
    // no script-error or other engine dialogs
    if (m_pBrowser) m_pBrowser->put_Silent(VARIANT_TRUE);
}

// Over a link, the status text is the link's address.
void CHtmlCtrl::OnStatusTextChange(LPCSTR lpszText) {
    m_strLinkUrl = lpszText;
    CHtmlView::OnStatusTextChange(lpszText);
}

void CHtmlCtrl::OnTitleChange(LPCSTR lpszText) {
    m_strTitle = lpszText;
    CWnd* pPage = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    CString strCaption = m_strTitle == "about:blank" ? AfxAnsiFromUtf8("空白") : m_strTitle;
    ReportPageTitle(pPage, strCaption);
    CHtmlView::OnTitleChange(lpszText);
}

void CHtmlCtrl::ReportPageTitle(CWnd* pPageWnd, const CString& strCaption) {
    IWorkspace* pWorkspace = IWorkspace::Get();
    if (pWorkspace) pWorkspace->OnPageTitleChanged(pPageWnd, strCaption);
}

// No second browser window: the page asking for one is replaced here instead.
void CHtmlCtrl::OnNewWindow2(LPDISPATCH*, BOOL* pbCancel) {
    *pbCancel = TRUE;
    Navigate2(m_strLinkUrl);
}

// The browser goes before the window; then the plain window's handling, not the view's.
void CHtmlCtrl::OnDestroy() {
    m_pBrowser.Release();
    CWnd::OnDestroy();
}

// No frame to activate: the plain window's answer.
int CHtmlCtrl::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) {
    return CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

void CHtmlCtrl::OnRButtonUp(UINT, CPoint) {}
