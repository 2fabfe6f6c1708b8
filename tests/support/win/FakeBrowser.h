/* A browser that only notes the navigation calls it gets, in order: 'B' GoBack,
   'F' GoForward, 'S' Stop, 'R' Refresh. The engine here keeps no history, so a
   test learns from this which browser a command reached. Other methods are absent. */
#pragma once

#include <windows.h>
#include <exdisp.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct FakeBrowser FakeBrowser;

FakeBrowser* FakeBrowser_Create(void);
/* the interface, with a reference of its own for the caller */
IWebBrowser2* FakeBrowser_Interface(FakeBrowser* browser);
const char* FakeBrowser_Calls(FakeBrowser* browser);
void FakeBrowser_Release(FakeBrowser* browser);

#ifdef __cplusplus
}
#endif
