// The six registered download messages: their numbers, and the sending side for
// workers of this process. A block reaches the window only through these senders,
// which register it for the time of the send (see CDownloadBlockRegistry).
#pragma once

#include <windows.h>

#include <cstdint>

#include "DownloadBlock.h"

class CDownloadMessages {
public:
    static const char* Name(DownloadMessage message);
    // the number registered for the message's name
    static UINT Number(DownloadMessage message);
    // which download message a window message is; false for any other
    static bool Find(UINT nMsg, DownloadMessage& message);

    // Sends synchronously, so that the strings are alive while the window reads them.
    static LRESULT SendCheckTime(HWND hWnd, const CString& strFirst, const CString& strSecond);
    // DownFinished, ProxyValidate or Progress
    static LRESULT SendStatus(HWND hWnd, DownloadMessage message, const CString& strText,
                              int32_t nFirst, int32_t nSecond);
    // Error or StartDownload
    static LRESULT SendText(HWND hWnd, DownloadMessage message, const CString& strText);
};
