#include "FakeObject.h"

#include <stdlib.h>
#include <string.h>

static FakeObject* ObjectOf(void* iface) {
    return (FakeObject*)iface;
}

static ULONG ReleaseInterface(void* iface) {
    LONG refs = InterlockedDecrement(&ObjectOf(iface)->refs);
    if (refs == 0) {
        if (ObjectOf(iface)->held) ReleaseInterface(ObjectOf(iface)->held);
        free(ObjectOf(iface));
    }
    return (ULONG)refs;
}

static HRESULT STDMETHODCALLTYPE Unknown_QueryInterface(IUnknown* This, REFIID riid, void** ppv) {
    return FakeObject_Query(This, riid, ppv);
}

static ULONG STDMETHODCALLTYPE Unknown_AddRef(IUnknown* This) {
    return FakeObject_AddRef(This);
}

static ULONG STDMETHODCALLTYPE Unknown_Release(IUnknown* This) {
    return ReleaseInterface(This);
}

FakeObject* FakeObject_Create(size_t size, void* vtbl, const IID* const* iids, FakeObject* held) {
    /* every interface's vtable starts as IUnknown's */
    IUnknownVtbl* unknown = (IUnknownVtbl*)vtbl;
    if (!unknown->QueryInterface) unknown->QueryInterface = Unknown_QueryInterface;
    if (!unknown->AddRef) unknown->AddRef = Unknown_AddRef;
    if (!unknown->Release) unknown->Release = Unknown_Release;
    FakeObject* object = (FakeObject*)calloc(1, size);
    object->vtbl = vtbl;
    object->refs = 1;
    object->iids = iids;
    object->held = held;
    if (held) FakeObject_AddRef(held);
    return object;
}

HRESULT FakeObject_Note(void* iface, char call) {
    char* calls = ObjectOf(iface)->calls;
    size_t n = strlen(calls);
    if (n + 1 < sizeof(ObjectOf(iface)->calls)) calls[n] = call;
    return S_OK;
}

HRESULT FakeObject_Query(void* iface, REFIID riid, void** ppv) {
    *ppv = NULL;
    for (const IID* const* iid = ObjectOf(iface)->iids; *iid; iid++) {
        if (IsEqualIID(riid, *iid)) {
            *ppv = iface;
            FakeObject_AddRef(iface);
            return S_OK;
        }
    }
    return E_NOINTERFACE;
}

ULONG FakeObject_AddRef(void* iface) {
    return (ULONG)InterlockedIncrement(&ObjectOf(iface)->refs);
}

const char* FakeObject_Calls(FakeObject* object) {
    return object->calls;
}

LONG FakeObject_Refs(FakeObject* object) {
    return object->refs;
}

void FakeObject_Release(FakeObject* object) {
    ReleaseInterface(object);
}
