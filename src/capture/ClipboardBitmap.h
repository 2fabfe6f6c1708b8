// Putting a picture on the clipboard without losing what the player had copied there
// when that cannot be done.
#pragma once

#include <windows.h>

// Puts the bitmap on the clipboard as CF_BITMAP for the owner window; the clipboard
// then owns it. The clipboard is retried for a moment while another program holds
// it, and emptied only once it is open. S_OK, or the system's error as an HRESULT;
// on failure the bitmap stays the caller's.
HRESULT PutBitmapOnClipboard(HWND hOwner, HBITMAP hBitmap);
