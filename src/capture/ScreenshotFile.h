// Saving a screenshot: the picture as a PNG file, through GDI+'s encoder, in the
// game's folder of the player's pictures under a name of the game and the time.
#pragma once

#include <windows.h>

class CWnd;

// Writes the bitmap to a new PNG file (a file of the same second is never replaced);
// a failure is told in one message box over pOwner, with the path and the system's
// reason. True when written.
bool SaveScreenshotOrTell(HBITMAP hBitmap, CWnd* pOwner);
