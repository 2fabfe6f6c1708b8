/* A control whose events cannot be connected to: an IOleObject without connection
   points that notes the calls it gets, in order: 'C' asked for its connection
   points, 'S' SetClientSite, 'D' DoVerb, 'X' Close. Other methods are absent. */
#pragma once

#include <windows.h>
#include <ole2.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct FakeControl FakeControl;

FakeControl* FakeControl_Create(void);
/* the interface, with a reference of its own for the caller */
IOleObject* FakeControl_Interface(FakeControl* control);
const char* FakeControl_Calls(FakeControl* control);
LONG FakeControl_Refs(FakeControl* control);
void FakeControl_Release(FakeControl* control);

#ifdef __cplusplus
}
#endif
