#include "InitialUpdate.h"

#include "CWnd.h"

namespace {

BOOL CALLBACK SendToOurWindow(HWND hWnd, LPARAM) {
    // only our own windows: the message number means nothing to a foreign class
    if (CWnd::FromHandlePermanent(hWnd)) ::SendMessageA(hWnd, WM_INITIALUPDATE, 0, 0);
    return TRUE;
}

}  // namespace

void AfxSendInitialUpdate(HWND hWndParent) {
    if (hWndParent) ::EnumChildWindows(hWndParent, &SendToOurWindow, 0);
}
