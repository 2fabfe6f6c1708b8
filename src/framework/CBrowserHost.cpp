#include "CBrowserHost.h"

#include "Afx.h"
#include "Log.h"

CBrowserHost::~CBrowserHost() {
    CloseControl();
    DestroyWindow();
}

BOOL CBrowserHost::CreateControl(CHtmlView* pView) {
    if (!AfxControlContainerEnabled()) return FALSE;
    ComPtr<IOleObject> pObject;
    const HRESULT hr =
        ::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                           reinterpret_cast<void**>(pObject.Receive()));
    if (FAILED(hr) || !pObject) {
        LogEvent("browser-failed", "not made: %s", SystemErrorText(static_cast<DWORD>(hr)).c_str());
        return FALSE;
    }
    if (HostControl(pObject, pView)) return TRUE;
    LogEvent("browser-failed", "made, but it could not be placed in its window");
    return FALSE;
}

// The events are connected first, so that none raised while activating is lost; a
// control whose events cannot reach the view is no control of ours.
BOOL CBrowserHost::HostControl(const ComPtr<IOleObject>& pObject, CHtmlView* pView) {
    if (!m_hWnd || m_pObject || !pObject) return FALSE;
    m_pObject = pObject;
    m_pSite = ComPtr<CBrowserSite>::Adopt(new CBrowserSite(m_hWnd));
    m_pEvents = ComPtr<CBrowserEvents>::Adopt(new CBrowserEvents(pView));
    if (!m_pEvents->Connect(m_pObject.Get()) || !ActivateInPlace()) {
        CloseControl();
        return FALSE;
    }
    return TRUE;
}

BOOL CBrowserHost::ActivateInPlace() {
    IOleClientSite* pSite = static_cast<IOleClientSite*>(m_pSite.Get());
    if (FAILED(m_pObject->SetClientSite(pSite))) return FALSE;
    if (auto pInit = ComPtr<IPersistStreamInit>::Query(m_pObject.Get(), IID_IPersistStreamInit)) {
        pInit->InitNew();
    }
    RECT rc;
    GetClientRect(&rc);
    if (FAILED(m_pObject->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, pSite, 0, m_hWnd, &rc))) {
        return FALSE;
    }
    m_pInPlace = ComPtr<IOleInPlaceObject>::Query(m_pObject.Get(), IID_IOleInPlaceObject);
    return TRUE;
}

void CBrowserHost::CloseControl() {
    if (m_pEvents) m_pEvents->Disconnect();
    m_pEvents.Release();
    if (m_pInPlace) m_pInPlace->InPlaceDeactivate();
    m_pInPlace.Release();
    if (m_pObject) {
        m_pObject->Close(OLECLOSE_NOSAVE);
        m_pObject->SetClientSite(nullptr);
    }
    m_pObject.Release();
    m_pSite.Release();
}

ComPtr<IWebBrowser2> CBrowserHost::QueryBrowser() const {
    return ComPtr<IWebBrowser2>::Query(m_pObject.Get(), IID_IWebBrowser2);
}

BOOL CBrowserHost::TranslateAccelerator(MSG* pMsg) {
    auto pActive =
        ComPtr<IOleInPlaceActiveObject>::Query(m_pObject.Get(), IID_IOleInPlaceActiveObject);
    return pActive && pActive->TranslateAccelerator(pMsg) == S_OK;
}

void CBrowserHost::FitControl() {
    if (!m_pInPlace) return;
    RECT rc;
    GetClientRect(&rc);
    m_pInPlace->SetObjectRects(&rc, &rc);
}

// Three messages of its own: a plain switch reads better than a map here.
LRESULT CBrowserHost::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            FitControl();
            break;
        case WM_SETFOCUS:
            // the focus belongs to the page inside, so that keys scroll it at once
            if (m_pObject) {
                RECT rc;
                GetClientRect(&rc);
                m_pObject->DoVerb(OLEIVERB_UIACTIVATE, nullptr,
                                  static_cast<IOleClientSite*>(m_pSite.Get()), 0, m_hWnd, &rc);
            }
            return 0;
        case WM_DESTROY:
            CloseControl();
            break;
        default:
            break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
