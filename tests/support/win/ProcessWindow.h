// Finding another process's windows from outside.
#pragma once

#include <windows.h>

// The first window of the process with the class (any class if null): among the
// top-level windows, or with a parent, anywhere below that window. Null if none.
HWND FindProcessWindow(DWORD processId, const char* className = nullptr, HWND parent = nullptr);
