// Telling the player that a picture of the capture was not copied or saved, and why.
#pragma once

#include <windows.h>

#include <string>

class CWnd;

// The calling thread's last error as an HRESULT; the fallback where the system set none.
HRESULT LastErrorOr(DWORD dwFallback);

// One message box over pOwner: what failed (UTF-8), the path concerned if any (as the
// system has it), and the system's reason.
void TellCaptureFailure(CWnd* pOwner, const char* pszWhatUtf8, const std::wstring& strPath,
                        HRESULT hr);
