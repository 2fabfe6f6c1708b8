// A view that shows web pages: the system's browser control runs in place in a
// host window that fills the view. The view holds the browser's IWebBrowser2
// (null when there is no browser) and turns its events into virtual handlers.
#pragma once

#include <exdisp.h>

#include "CBrowserHost.h"
#include "CView.h"
#include "ComPtr.h"

struct CCreateContext;

class CHtmlView : public CView {
public:
    CHtmlView() = default;
    ~CHtmlView() override;

    // Creates the view's window and, inside it, the browser.
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID,
                        CCreateContext* pContext = nullptr);
    BOOL Create(CWnd* pParentWnd, UINT nID) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Sends the browser to an address; nothing happens while there is no browser.
    void Navigate2(LPCSTR lpszURL);
    // The browser, or null. The view keeps its reference.
    IWebBrowser2* GetBrowser() const { return m_pBrowser.Get(); }
    // The window the browser runs in, or null.
    HWND GetBrowserHostWnd() const { return m_wndBrowser.m_hWnd; }
    // The document the browser shows, or empty.
    virtual ComPtr<IDispatch> GetHtmlDocument() const;

    // What the browser reports.
    virtual void OnStatusTextChange(LPCSTR lpszText);
    virtual void OnTitleChange(LPCSTR lpszText);
    virtual void OnNewWindow2(LPDISPATCH* ppDisp, BOOL* pbCancel);

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnDestroy();

protected:
    DECLARE_MESSAGE_MAP()
    LRESULT HandleInitialUpdate(WPARAM, LPARAM);

    ComPtr<IWebBrowser2> m_pBrowser;
    CBrowserHost m_wndBrowser;
};
