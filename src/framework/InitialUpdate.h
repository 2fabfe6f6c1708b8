// The initial-update notification: sent to the views among a window's
// descendants once the window is ready (a dialog after its OnInitDialog).
#pragma once

#include <windows.h>

constexpr UINT WM_INITIALUPDATE = 0x0364;

// Sends WM_INITIALUPDATE to every descendant of hWndParent that has a CWnd.
void AfxSendInitialUpdate(HWND hWndParent);
