/* COM objects for tests that note the calls they get, as letters in order, and
   implement only the methods a test reaches (the others are absent). */
#pragma once

#include <windows.h>
#include <exdisp.h>
#include <ole2.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct FakeObject FakeObject;

/* A browser: 'B' GoBack, 'F' GoForward, 'S' Stop, 'R' Refresh. The engine here keeps
   no history, so a test learns from this which browser a command reached. */
FakeObject* FakeBrowser_Create(void);
/* A control whose events cannot be connected to: 'C' asked for its connection
   points, 'S' SetClientSite, 'D' DoVerb, 'X' Close. */
FakeObject* FakeControl_Create(void);
/* A page the engine here cannot load, made by hand: an element with a tag, an href
   (null: getAttribute gives VT_NULL) and a parent (null for none), and a document
   whose elementFromPoint answers one element (null: nothing at any point). */
FakeObject* FakeElement_Create(const WCHAR* tag, const WCHAR* href, FakeObject* parent);
FakeObject* FakeDocument_Create(FakeObject* hit);
POINT FakeDocument_LastPoint(FakeObject* document);

/* the interfaces, each with a reference of its own for the caller */
IWebBrowser2* FakeBrowser_Interface(FakeObject* object);
IOleObject* FakeControl_Interface(FakeObject* object);
IDispatch* FakeDocument_Interface(FakeObject* object);

const char* FakeObject_Calls(FakeObject* object);
LONG FakeObject_Refs(FakeObject* object);
void FakeObject_Release(FakeObject* object);

/* for the fakes themselves: a fake's own fields follow this part */
struct FakeObject {
    void* vtbl; /* first, as an interface's is */
    LONG refs;
    const IID* const* iids; /* the interfaces it answers to, up to a null */
    FakeObject* held;       /* another fake it keeps a reference to while it lives */
    char calls[64];
};
/* Fills the IUnknown methods the vtable leaves null with the fake object's own. */
FakeObject* FakeObject_Create(size_t size, void* vtbl, const IID* const* iids, FakeObject* held);
HRESULT FakeObject_Note(void* iface, char call);
HRESULT FakeObject_Query(void* iface, REFIID riid, void** ppv);
ULONG FakeObject_AddRef(void* iface);

#ifdef __cplusplus
}
#endif
