// The launcher's working directory, where its pictures and settings lie: every
// layer above the application shell names files through it.
#pragma once

#include "CString.h"
#include "LauncherText.h"

// the process's current directory at start-up, without a trailing backslash
extern char g_szWorkingDirectory[kMaxPathBytes];

// g_szWorkingDirectory + "\" + name, or empty text when that is too long for a path.
CString GetWorkingPath(CString name);
