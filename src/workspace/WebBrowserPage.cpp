#include "WebBrowserPage.h"

#include "WebBrowserDlg.h"
#include "resource.h"

int CWebBrowserPage::Create(CWnd* pParent, CAnyTab* pStrip) {
    return CreatePage(PAGE_WEB, new CWebBrowserDlg, IDD_WEBBROWSER, pParent, pStrip);
}

BOOL CWebBrowserPage::DoDeferredWork() {
    return m_pDlg && static_cast<CWebBrowserDlg*>(m_pDlg)->CreateBrowser();
}
