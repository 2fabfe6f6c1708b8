// The page behind every web tab: five picture buttons (Home, Back, Forward,
// Stop, Refresh) over a toolbar picture along the top, and the browser control
// filling the rest. Made hidden, as a child of any window, from its template;
// the browser is made later, when the page is first shown or asked to make it.
#pragma once

#include "CBitmap.h"
#include "CDialog.h"
#include "HtmlCtrl.h"
#include "ImageButton.h"
#include "resource.h"

class CWebBrowserDlg : public CDialog {
    DECLARE_DYNCREATE(CWebBrowserDlg)

public:
    enum { IDD = IDD_WEBBROWSER };

    explicit CWebBrowserDlg(CWnd* pParent = nullptr);
    ~CWebBrowserDlg() override;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    // Makes the browser, once: below the toolbar, silent and sent to the address
    // it was given. TRUE if it was made (or tried and failed) by this call.
    BOOL CreateBrowser();
    // Sends the browser to an address; before it is made, the address it starts at.
    void Navigate(const CString& strUrl);

    void OnSize(UINT nType, int cx, int cy);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSetFocus(CWnd* pOldWnd);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnHome();
    void OnBack();
    void OnForward();
    void OnStop();
    void OnRefresh();

    CHtmlCtrl m_wndHtml;
    CImageButton m_btnHome;
    CImageButton m_btnBack;
    CImageButton m_btnForward;
    CImageButton m_btnStop;
    CImageButton m_btnRefresh;
    CBitmap m_bmpToolbar;     // "Platform\WebBrowserToolbar.bmp"
    int m_nToolbarWidth = 0;  // its size; 0 until it is loaded
    int m_nToolbarHeight = 0;

protected:
    DECLARE_MESSAGE_MAP()

private:
    BOOL LoadToolbar();

    bool m_bBrowserMade = false;  // CreateBrowser has run
    CString m_strBrowserUrl;      // where the browser goes when it is made
};
