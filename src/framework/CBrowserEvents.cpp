#include "CBrowserEvents.h"

#include <exdisp.h>
#include <exdispid.h>

#include "Afx.h"
#include "CHtmlView.h"

namespace {

// Arguments arrive last first: argument n of the event is rgvarg[cArgs - 1 - n].
const VARIANTARG* Argument(const DISPPARAMS& params, UINT n) {
    if (!params.rgvarg || n >= params.cArgs) return nullptr;
    return &params.rgvarg[params.cArgs - 1 - n];
}

CString TextArgument(const DISPPARAMS& params, UINT n) {
    const VARIANTARG* pArg = Argument(params, n);
    if (!pArg) return CString();
    if (pArg->vt == VT_BSTR) return AfxAnsiFromWide(pArg->bstrVal);
    if (pArg->vt == (VT_BSTR | VT_BYREF) && pArg->pbstrVal) return AfxAnsiFromWide(*pArg->pbstrVal);
    return CString();
}

}  // namespace

BOOL CBrowserEvents::Connect(IUnknown* pBrowser) {
    auto pContainer =
        ComPtr<IConnectionPointContainer>::Query(pBrowser, IID_IConnectionPointContainer);
    if (!pContainer) return FALSE;
    ComPtr<IConnectionPoint> pPoint;
    if (FAILED(pContainer->FindConnectionPoint(DIID_DWebBrowserEvents2, pPoint.Receive())) ||
        !pPoint) {
        return FALSE;
    }
    DWORD dwCookie = 0;
    if (FAILED(pPoint->Advise(static_cast<IDispatch*>(this), &dwCookie))) return FALSE;
    m_pPoint = pPoint;
    m_dwCookie = dwCookie;
    return TRUE;
}

void CBrowserEvents::Disconnect() {
    m_pView = nullptr;
    if (m_pPoint) m_pPoint->Unadvise(m_dwCookie);
    m_pPoint.Release();
    m_dwCookie = 0;
}

HRESULT CBrowserEvents::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDispatch) &&
        !IsEqualIID(riid, DIID_DWebBrowserEvents2)) {
        return E_NOINTERFACE;
    }
    *ppv = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

HRESULT CBrowserEvents::Invoke(DISPID dispIdMember, REFIID, LCID, WORD, DISPPARAMS* pDispParams,
                               VARIANT*, EXCEPINFO*, UINT*) {
    if (!m_pView || !pDispParams) return S_OK;
    // the view may go away inside a handler: keep this sink alive until we return
    ComPtr<IDispatch> self = ComPtr<IDispatch>::Share(this);
    switch (dispIdMember) {
        case DISPID_STATUSTEXTCHANGE:
            m_pView->OnStatusTextChange(TextArgument(*pDispParams, 0));
            break;
        case DISPID_TITLECHANGE:
            m_pView->OnTitleChange(TextArgument(*pDispParams, 0));
            break;
        case DISPID_NEWWINDOW2:
            OnNewWindow2(*pDispParams);
            break;
        default:
            break;
    }
    return S_OK;
}

// NewWindow2(IDispatch** ppDisp, VARIANT_BOOL* Cancel)
void CBrowserEvents::OnNewWindow2(const DISPPARAMS& params) {
    const VARIANTARG* pDisp = Argument(params, 0);
    const VARIANTARG* pCancel = Argument(params, 1);
    if (!pDisp || !pCancel || pDisp->vt != (VT_DISPATCH | VT_BYREF) ||
        pCancel->vt != (VT_BOOL | VT_BYREF) || !pCancel->pboolVal) {
        return;
    }
    BOOL bCancel = *pCancel->pboolVal != VARIANT_FALSE;
    m_pView->OnNewWindow2(pDisp->ppdispVal, &bCancel);
    *pCancel->pboolVal = bCancel ? VARIANT_TRUE : VARIANT_FALSE;
}
