#define CINTERFACE
#define COBJMACROS
#include "FakeControl.h"

#include <ocidl.h>
#include <stdlib.h>
#include <string.h>

struct FakeControl {
    IOleObject iface;
    LONG refs;
    char calls[16];
};

static FakeControl* ControlOf(IOleObject* iface) {
    return (FakeControl*)iface;
}

static HRESULT Note(IOleObject* This, char call) {
    char* calls = ControlOf(This)->calls;
    size_t n = strlen(calls);
    if (n + 1 < sizeof(ControlOf(This)->calls)) calls[n] = call;
    return S_OK;
}

static HRESULT STDMETHODCALLTYPE Control_QueryInterface(IOleObject* This, REFIID riid, void** ppv) {
    *ppv = NULL;
    if (IsEqualIID(riid, &IID_IConnectionPointContainer)) Note(This, 'C');
    if (!IsEqualIID(riid, &IID_IUnknown) && !IsEqualIID(riid, &IID_IOleObject)) {
        return E_NOINTERFACE;
    }
    *ppv = This;
    IOleObject_AddRef(This);
    return S_OK;
}

static ULONG STDMETHODCALLTYPE Control_AddRef(IOleObject* This) {
    return (ULONG)InterlockedIncrement(&ControlOf(This)->refs);
}

static ULONG STDMETHODCALLTYPE Control_Release(IOleObject* This) {
    LONG refs = InterlockedDecrement(&ControlOf(This)->refs);
    if (refs == 0) free(ControlOf(This));
    return (ULONG)refs;
}

static HRESULT STDMETHODCALLTYPE Control_SetClientSite(IOleObject* This, IOleClientSite* site) {
    (void)site;
    return Note(This, 'S');
}

static HRESULT STDMETHODCALLTYPE Control_Close(IOleObject* This, DWORD option) {
    (void)option;
    return Note(This, 'X');
}

static HRESULT STDMETHODCALLTYPE Control_DoVerb(IOleObject* This, LONG verb, LPMSG msg,
                                                IOleClientSite* site, LONG index, HWND parent,
                                                LPCRECT rect) {
    (void)verb, (void)msg, (void)site, (void)index, (void)parent, (void)rect;
    return Note(This, 'D');
}

static IOleObjectVtbl g_vtbl = {
    .QueryInterface = Control_QueryInterface,
    .AddRef = Control_AddRef,
    .Release = Control_Release,
    .SetClientSite = Control_SetClientSite,
    .Close = Control_Close,
    .DoVerb = Control_DoVerb,
};

FakeControl* FakeControl_Create(void) {
    FakeControl* control = (FakeControl*)calloc(1, sizeof(FakeControl));
    control->iface.lpVtbl = &g_vtbl;
    control->refs = 1;
    return control;
}

IOleObject* FakeControl_Interface(FakeControl* control) {
    IOleObject_AddRef(&control->iface);
    return &control->iface;
}

const char* FakeControl_Calls(FakeControl* control) {
    return control->calls;
}

LONG FakeControl_Refs(FakeControl* control) {
    return control->refs;
}

void FakeControl_Release(FakeControl* control) {
    IOleObject_Release(&control->iface);
}
