#define CINTERFACE
#define COBJMACROS
#include "FakeBrowser.h"

#include <stdlib.h>
#include <string.h>

struct FakeBrowser {
    IWebBrowser2 iface;
    LONG refs;
    char calls[64];
};

static FakeBrowser* BrowserOf(IWebBrowser2* iface) {
    return (FakeBrowser*)iface;
}

static HRESULT Note(IWebBrowser2* This, char call) {
    char* calls = BrowserOf(This)->calls;
    size_t n = strlen(calls);
    if (n + 1 < sizeof(BrowserOf(This)->calls)) calls[n] = call;
    return S_OK;
}

static HRESULT STDMETHODCALLTYPE Browser_QueryInterface(IWebBrowser2* This, REFIID riid,
                                                        void** ppv) {
    if (!IsEqualIID(riid, &IID_IUnknown) && !IsEqualIID(riid, &IID_IDispatch) &&
        !IsEqualIID(riid, &IID_IWebBrowser) && !IsEqualIID(riid, &IID_IWebBrowserApp) &&
        !IsEqualIID(riid, &IID_IWebBrowser2)) {
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    *ppv = This;
    IWebBrowser2_AddRef(This);
    return S_OK;
}

static ULONG STDMETHODCALLTYPE Browser_AddRef(IWebBrowser2* This) {
    return (ULONG)InterlockedIncrement(&BrowserOf(This)->refs);
}

static ULONG STDMETHODCALLTYPE Browser_Release(IWebBrowser2* This) {
    LONG refs = InterlockedDecrement(&BrowserOf(This)->refs);
    if (refs == 0) free(BrowserOf(This));
    return (ULONG)refs;
}

static HRESULT STDMETHODCALLTYPE Browser_GoBack(IWebBrowser2* This) {
    return Note(This, 'B');
}

static HRESULT STDMETHODCALLTYPE Browser_GoForward(IWebBrowser2* This) {
    return Note(This, 'F');
}

static HRESULT STDMETHODCALLTYPE Browser_Stop(IWebBrowser2* This) {
    return Note(This, 'S');
}

static HRESULT STDMETHODCALLTYPE Browser_Refresh(IWebBrowser2* This) {
    return Note(This, 'R');
}

static IWebBrowser2Vtbl g_vtbl = {
    .QueryInterface = Browser_QueryInterface,
    .AddRef = Browser_AddRef,
    .Release = Browser_Release,
    .GoBack = Browser_GoBack,
    .GoForward = Browser_GoForward,
    .Stop = Browser_Stop,
    .Refresh = Browser_Refresh,
};

FakeBrowser* FakeBrowser_Create(void) {
    FakeBrowser* browser = (FakeBrowser*)calloc(1, sizeof(FakeBrowser));
    browser->iface.lpVtbl = &g_vtbl;
    browser->refs = 1;
    return browser;
}

IWebBrowser2* FakeBrowser_Interface(FakeBrowser* browser) {
    IWebBrowser2_AddRef(&browser->iface);
    return &browser->iface;
}

const char* FakeBrowser_Calls(FakeBrowser* browser) {
    return browser->calls;
}

void FakeBrowser_Release(FakeBrowser* browser) {
    IWebBrowser2_Release(&browser->iface);
}
