#include "ClipboardBitmap.h"

namespace {

// Clipboard managers, chat programs and remote desktops hold the clipboard for a
// moment after each change: a few short tries get past them.
const int kOpenTries = 5;
const DWORD kRetryMs = 40;

HRESULT LastError() {
    const DWORD dwError = ::GetLastError();
    return HRESULT_FROM_WIN32(dwError ? dwError : ERROR_ACCESS_DENIED);
}

}  // namespace

HRESULT PutBitmapOnClipboard(HWND hOwner, HBITMAP hBitmap) {
    bool bOpen = false;
    for (int i = 0; i < kOpenTries && !bOpen; i++) {
        if (i > 0) ::Sleep(kRetryMs);
        bOpen = ::OpenClipboard(hOwner) != FALSE;
    }
    if (!bOpen) return LastError();
    HRESULT hr = S_OK;
    if (!::EmptyClipboard() || !::SetClipboardData(CF_BITMAP, hBitmap)) hr = LastError();
    ::CloseClipboard();
    return hr;
}
