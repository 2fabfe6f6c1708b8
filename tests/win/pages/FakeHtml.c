#define CINTERFACE
#define COBJMACROS
#include "FakeHtml.h"

#include <mshtml.h>
#include <stdlib.h>

struct FakeElement {
    IHTMLElement iface;
    LONG refs;
    const WCHAR* tag;
    const WCHAR* href;
    FakeElement* parent;
};

struct FakeDocument {
    IHTMLDocument2 iface;
    LONG refs;
    FakeElement* hit;
    POINT last;
};

// answers for IUnknown, IDispatch and the object's own interface
static HRESULT Query(IUnknown* This, REFIID riid, REFIID own, void** ppv) {
    if (!IsEqualIID(riid, &IID_IUnknown) && !IsEqualIID(riid, &IID_IDispatch) &&
        !IsEqualIID(riid, own)) {
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    *ppv = This;
    IUnknown_AddRef(This);
    return S_OK;
}

static FakeElement* ElementOf(IHTMLElement* iface) {
    return (FakeElement*)iface;
}

static FakeDocument* DocumentOf(IHTMLDocument2* iface) {
    return (FakeDocument*)iface;
}

static HRESULT STDMETHODCALLTYPE Element_QueryInterface(IHTMLElement* This, REFIID riid,
                                                        void** ppv) {
    return Query((IUnknown*)This, riid, &IID_IHTMLElement, ppv);
}

static ULONG STDMETHODCALLTYPE Element_AddRef(IHTMLElement* This) {
    return (ULONG)InterlockedIncrement(&ElementOf(This)->refs);
}

static ULONG STDMETHODCALLTYPE Element_Release(IHTMLElement* This) {
    FakeElement* element = ElementOf(This);
    LONG refs = InterlockedDecrement(&element->refs);
    if (refs == 0) {
        if (element->parent) FakeElement_Release(element->parent);
        free(element);
    }
    return (ULONG)refs;
}

static HRESULT STDMETHODCALLTYPE Element_get_tagName(IHTMLElement* This, BSTR* p) {
    *p = SysAllocString(ElementOf(This)->tag);
    return S_OK;
}

static HRESULT STDMETHODCALLTYPE Element_get_parentElement(IHTMLElement* This, IHTMLElement** p) {
    FakeElement* parent = ElementOf(This)->parent;
    *p = parent ? &parent->iface : NULL;
    if (parent) IHTMLElement_AddRef(&parent->iface);
    return S_OK;
}

static HRESULT STDMETHODCALLTYPE Element_getAttribute(IHTMLElement* This, BSTR name, LONG flags,
                                                      VARIANT* value) {
    const WCHAR* href = ElementOf(This)->href;
    (void)flags;
    VariantInit(value);
    if (!href || lstrcmpW(name, L"href") != 0) {
        V_VT(value) = VT_NULL;
        return S_OK;
    }
    V_VT(value) = VT_BSTR;
    V_BSTR(value) = SysAllocString(href);
    return S_OK;
}

static IHTMLElementVtbl g_elementVtbl = {
    .QueryInterface = Element_QueryInterface,
    .AddRef = Element_AddRef,
    .Release = Element_Release,
    .get_tagName = Element_get_tagName,
    .get_parentElement = Element_get_parentElement,
    .getAttribute = Element_getAttribute,
};

FakeElement* FakeElement_Create(const WCHAR* tag, const WCHAR* href, FakeElement* parent) {
    FakeElement* element = calloc(1, sizeof(FakeElement));
    element->iface.lpVtbl = &g_elementVtbl;
    element->refs = 1;
    element->tag = tag;
    element->href = href;
    element->parent = parent;
    if (parent) IHTMLElement_AddRef(&parent->iface);
    return element;
}

LONG FakeElement_Refs(FakeElement* element) {
    return element->refs;
}

void FakeElement_Release(FakeElement* element) {
    IHTMLElement_Release(&element->iface);
}

static HRESULT STDMETHODCALLTYPE Document_QueryInterface(IHTMLDocument2* This, REFIID riid,
                                                         void** ppv) {
    return Query((IUnknown*)This, riid, &IID_IHTMLDocument2, ppv);
}

static ULONG STDMETHODCALLTYPE Document_AddRef(IHTMLDocument2* This) {
    return (ULONG)InterlockedIncrement(&DocumentOf(This)->refs);
}

static ULONG STDMETHODCALLTYPE Document_Release(IHTMLDocument2* This) {
    FakeDocument* document = DocumentOf(This);
    LONG refs = InterlockedDecrement(&document->refs);
    if (refs == 0) {
        if (document->hit) FakeElement_Release(document->hit);
        free(document);
    }
    return (ULONG)refs;
}

static HRESULT STDMETHODCALLTYPE Document_elementFromPoint(IHTMLDocument2* This, LONG x, LONG y,
                                                           IHTMLElement** hit) {
    FakeDocument* document = DocumentOf(This);
    document->last.x = x;
    document->last.y = y;
    *hit = document->hit ? &document->hit->iface : NULL;
    if (document->hit) IHTMLElement_AddRef(&document->hit->iface);
    return document->hit ? S_OK : S_FALSE;
}

static IHTMLDocument2Vtbl g_documentVtbl = {
    .QueryInterface = Document_QueryInterface,
    .AddRef = Document_AddRef,
    .Release = Document_Release,
    .elementFromPoint = Document_elementFromPoint,
};

FakeDocument* FakeDocument_Create(FakeElement* hit) {
    FakeDocument* document = calloc(1, sizeof(FakeDocument));
    document->iface.lpVtbl = &g_documentVtbl;
    document->refs = 1;
    document->hit = hit;
    if (hit) IHTMLElement_AddRef(&hit->iface);
    return document;
}

IDispatch* FakeDocument_Dispatch(FakeDocument* document) {
    return (IDispatch*)&document->iface;
}

LONG FakeDocument_Refs(FakeDocument* document) {
    return document->refs;
}

POINT FakeDocument_LastPoint(FakeDocument* document) {
    return document->last;
}

void FakeDocument_Release(FakeDocument* document) {
    IHTMLDocument2_Release(&document->iface);
}
