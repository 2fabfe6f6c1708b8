// Saving a screenshot: the picture as a PNG file, through GDI+'s encoder, in the
// game's folder of the player's pictures under a name of the game and the time.
#pragma once

#include <windows.h>

#include "CString.h"

struct ScreenshotSave {
    CString strPath;    // the file written, or the file or folder that failed
    DWORD dwError = 0;  // 0 when written, else the system's error code
};

// Writes the bitmap to a new file; a file of the same second is never replaced.
ScreenshotSave SaveScreenshot(HBITMAP hBitmap);
// The text telling the player that the save failed: the path and the system's reason.
CString ScreenshotFailureText(const ScreenshotSave& save);
