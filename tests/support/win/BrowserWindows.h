// The browsers made below a window, of this process or another: each runs in a
// "Shell Embedding" window of its own.
#pragma once

#include <windows.h>

#include <vector>

std::vector<HWND> BrowserWindows(HWND hWnd);
