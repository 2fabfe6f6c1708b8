#include "ClipboardBitmap.h"

#include "CaptureFailure.h"

namespace {

// Clipboard managers, chat programs and remote desktops hold the clipboard for a
// moment after each change: a few short tries get past them.
const int kOpenTries = 5;
const DWORD kRetryMs = 40;

}  // namespace

HRESULT PutBitmapOnClipboard(HWND hOwner, HBITMAP hBitmap) {
    bool bOpen = false;
    for (int i = 0; i < kOpenTries && !bOpen; i++) {
        if (i > 0) ::Sleep(kRetryMs);
        bOpen = ::OpenClipboard(hOwner) != FALSE;
    }
    if (!bOpen) return LastErrorOr(ERROR_ACCESS_DENIED);
    HRESULT hr = S_OK;
    if (!::EmptyClipboard() || !::SetClipboardData(CF_BITMAP, hBitmap))
        hr = LastErrorOr(ERROR_ACCESS_DENIED);
    ::CloseClipboard();
    return hr;
}
