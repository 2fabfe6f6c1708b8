/* A page that the engine here cannot load, made by hand: elements with a tag, an
   optional href and a parent, and a document whose elementFromPoint answers one
   of them. Each counts its references, so a test can see that all went back. */
#pragma once

#include <windows.h>
#include <oaidl.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct FakeElement FakeElement;
typedef struct FakeDocument FakeDocument;

/* href null: the element has no such attribute (getAttribute gives VT_NULL). */
FakeElement* FakeElement_Create(const WCHAR* tag, const WCHAR* href, FakeElement* parent);
LONG FakeElement_Refs(FakeElement* element);
void FakeElement_Release(FakeElement* element);

/* hit null: nothing at any point. */
FakeDocument* FakeDocument_Create(FakeElement* hit);
IDispatch* FakeDocument_Dispatch(FakeDocument* document);
LONG FakeDocument_Refs(FakeDocument* document);
POINT FakeDocument_LastPoint(FakeDocument* document);
void FakeDocument_Release(FakeDocument* document);

#ifdef __cplusplus
}
#endif
