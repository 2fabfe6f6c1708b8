#define CINTERFACE
#include "FakeObject.h"

#include <mshtml.h>

typedef struct {
    FakeObject base; /* holds the element hit */
    POINT last;
} FakeDocument;

static HRESULT STDMETHODCALLTYPE Document_elementFromPoint(IHTMLDocument2* This, LONG x, LONG y,
                                                           IHTMLElement** hit) {
    FakeDocument* document = (FakeDocument*)This;
    document->last.x = x;
    document->last.y = y;
    *hit = (IHTMLElement*)document->base.held;
    if (!*hit) return S_FALSE;
    FakeObject_AddRef(*hit);
    return S_OK;
}

static IHTMLDocument2Vtbl g_vtbl = {
    .elementFromPoint = Document_elementFromPoint,
};

static const IID* const g_iids[] = {&IID_IUnknown, &IID_IDispatch, &IID_IHTMLDocument2, NULL};

FakeObject* FakeDocument_Create(FakeObject* hit) {
    return FakeObject_Create(sizeof(FakeDocument), &g_vtbl, g_iids, hit);
}

IDispatch* FakeDocument_Interface(FakeObject* object) {
    FakeObject_AddRef(object);
    return (IDispatch*)object;
}

POINT FakeDocument_LastPoint(FakeObject* object) {
    return ((FakeDocument*)object)->last;
}
