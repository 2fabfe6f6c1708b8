// Runs DownloadIntruder from a scratch folder against a download window of another
// process (or of this one) and reads what it found.
#pragma once

#include <windows.h>

#include "ScratchFolder.h"

struct DownloadIntrusion {
    bool ran = false;
    int sent = 0;
    int nonzero = 0;     // answers other than 0
    int unanswered = 0;  // sends that timed out
};

// The intruder's executable is copied into the folder first. Messages of this
// thread flow while it runs.
DownloadIntrusion RunDownloadIntruder(const ScratchFolder& folder, HWND hWnd, DWORD processId);
