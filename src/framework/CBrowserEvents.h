// The sink of a browser control's events (DWebBrowserEvents2): status text, title
// and new-window requests become calls of the view's virtual handlers. Connected
// to the browser while the view hosts it; once disconnected, events go nowhere.
#pragma once

#include <ocidl.h>

#include "CComDispatch.h"
#include "ComPtr.h"

class CHtmlView;

class CBrowserEvents : public CComDispatch {
public:
    explicit CBrowserEvents(CHtmlView* pView) : m_pView(pView) {}

    // Advises the browser's event connection point; FALSE if it has none.
    BOOL Connect(IUnknown* pBrowser);
    // Unadvises and forgets the view.
    void Disconnect();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID, LCID, WORD,
                                     DISPPARAMS* pDispParams, VARIANT*, EXCEPINFO*, UINT*) override;

private:
    ~CBrowserEvents() override = default;
    void OnNewWindow2(const DISPPARAMS& params);

    CHtmlView* m_pView;
    ComPtr<IConnectionPoint> m_pPoint;
    DWORD m_dwCookie = 0;
};
