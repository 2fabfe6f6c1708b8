#include "WebBrowserPage.h"

#include "WebBrowserDlg.h"
#include "resource.h"

int CWebBrowserPage::Create(CWnd* pParent, CAnyTab* pStrip) {
    return CreatePage(PAGE_WEB, new CWebBrowserDlg, IDD_WEBBROWSER, pParent, pStrip);
}
