// The screen as the capture sees it: every monitor, read in the calling thread's DPI
// awareness, and pictures copied from it.
#pragma once

#include <windows.h>

#include "CaptureLayout.h"

class CDC;

// the virtual screen and each monitor, in screen coordinates
ScreenLayout ReadScreenLayout();
// A new bitmap of the whole virtual screen as it shows now, black where no monitor
// shows it (beside a shorter monitor, say); null when it cannot be made.
HBITMAP CopyVirtualScreen(const ScreenLayout& screen);
// A new bitmap like the source's with the rectangle r of it; null when a DC or the
// bitmap cannot be made (a shortage of GDI objects).
HBITMAP CopyFromDC(CDC* pSource, const PixelRect& r);
