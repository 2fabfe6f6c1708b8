#define CINTERFACE
#include "FakeObject.h"

#include <ocidl.h>

static HRESULT STDMETHODCALLTYPE Control_QueryInterface(IOleObject* This, REFIID riid, void** ppv) {
    if (IsEqualIID(riid, &IID_IConnectionPointContainer)) FakeObject_Note(This, 'C');
    return FakeObject_Query(This, riid, ppv);
}

static HRESULT STDMETHODCALLTYPE Control_SetClientSite(IOleObject* This, IOleClientSite* site) {
    (void)site;
    return FakeObject_Note(This, 'S');
}

static HRESULT STDMETHODCALLTYPE Control_Close(IOleObject* This, DWORD option) {
    (void)option;
    return FakeObject_Note(This, 'X');
}

static HRESULT STDMETHODCALLTYPE Control_DoVerb(IOleObject* This, LONG verb, LPMSG msg,
                                                IOleClientSite* site, LONG index, HWND parent,
                                                LPCRECT rect) {
    (void)verb, (void)msg, (void)site, (void)index, (void)parent, (void)rect;
    return FakeObject_Note(This, 'D');
}

static IOleObjectVtbl g_vtbl = {
    .QueryInterface = Control_QueryInterface,
    .SetClientSite = Control_SetClientSite,
    .Close = Control_Close,
    .DoVerb = Control_DoVerb,
};

static const IID* const g_iids[] = {&IID_IUnknown, &IID_IOleObject, NULL};

FakeObject* FakeControl_Create(void) {
    return FakeObject_Create(sizeof(FakeObject), &g_vtbl, g_iids, NULL);
}

IOleObject* FakeControl_Interface(FakeObject* object) {
    FakeObject_AddRef(object);
    return (IOleObject*)object;
}
