// A grey copy of an icon, for a button's pointer-away look.
#pragma once

#include <windows.h>

// A new icon (the caller destroys it) whose colours are the grey levels of
// hIcon's, black kept black, with hIcon's own mask; null on any failure.
HICON CreateGreyIcon(HICON hIcon);
