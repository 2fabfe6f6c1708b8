#define CINTERFACE
#include "FakeObject.h"

static HRESULT STDMETHODCALLTYPE Browser_GoBack(IWebBrowser2* This) {
    return FakeObject_Note(This, 'B');
}

static HRESULT STDMETHODCALLTYPE Browser_GoForward(IWebBrowser2* This) {
    return FakeObject_Note(This, 'F');
}

static HRESULT STDMETHODCALLTYPE Browser_Stop(IWebBrowser2* This) {
    return FakeObject_Note(This, 'S');
}

static HRESULT STDMETHODCALLTYPE Browser_Refresh(IWebBrowser2* This) {
    return FakeObject_Note(This, 'R');
}

static IWebBrowser2Vtbl g_vtbl = {
    .GoBack = Browser_GoBack,
    .GoForward = Browser_GoForward,
    .Stop = Browser_Stop,
    .Refresh = Browser_Refresh,
};

static const IID* const g_iids[] = {&IID_IUnknown,       &IID_IDispatch,    &IID_IWebBrowser,
                                    &IID_IWebBrowserApp, &IID_IWebBrowser2, NULL};

FakeObject* FakeBrowser_Create(void) {
    return FakeObject_Create(sizeof(FakeObject), &g_vtbl, g_iids, NULL);
}

IWebBrowser2* FakeBrowser_Interface(FakeObject* object) {
    FakeObject_AddRef(object);
    return (IWebBrowser2*)object;
}
