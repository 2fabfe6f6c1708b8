#define CINTERFACE
#include "FakeObject.h"

#include <mshtml.h>

typedef struct {
    FakeObject base; /* holds the parent */
    const WCHAR* tag;
    const WCHAR* href;
} FakeElement;

static FakeElement* ElementOf(IHTMLElement* iface) {
    return (FakeElement*)iface;
}

static HRESULT STDMETHODCALLTYPE Element_get_tagName(IHTMLElement* This, BSTR* p) {
    *p = SysAllocString(ElementOf(This)->tag);
    return S_OK;
}

static HRESULT STDMETHODCALLTYPE Element_get_parentElement(IHTMLElement* This, IHTMLElement** p) {
    FakeObject* parent = ElementOf(This)->base.held;
    *p = (IHTMLElement*)parent;
    if (parent) FakeObject_AddRef(parent);
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

static IHTMLElementVtbl g_vtbl = {
    .get_tagName = Element_get_tagName,
    .get_parentElement = Element_get_parentElement,
    .getAttribute = Element_getAttribute,
};

static const IID* const g_iids[] = {&IID_IUnknown, &IID_IDispatch, &IID_IHTMLElement, NULL};

FakeObject* FakeElement_Create(const WCHAR* tag, const WCHAR* href, FakeObject* parent) {
    FakeElement* element =
        (FakeElement*)FakeObject_Create(sizeof(FakeElement), &g_vtbl, g_iids, parent);
    element->tag = tag;
    element->href = href;
    return &element->base;
}
