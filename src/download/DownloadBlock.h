// What a download worker hands the download window in wParam. The worker owns
// the block and the strings; the window copies them while the message is sent.
// Portable: no <windows.h>.
#pragma once

#include <cstdint>

#include "CString.h"

// The six download messages, in the order of the window's operations.
enum class DownloadMessage {
    CheckTime,
    DownFinished,
    ProxyValidate,
    Error,
    StartDownload,
    Progress,
};
constexpr int kDownloadMessageCount = 6;

// CheckTime: two consecutive pointers to strings.
struct DownloadTimeBlock {
    const CString* pFirst;
    const CString* pSecond;
};

// DownFinished, ProxyValidate, Progress: a string and two 32-bit integers.
// Error and StartDownload: wParam is the string itself.
struct DownloadStatusBlock {
    const CString* pText;
    int32_t nFirst;
    int32_t nSecond;
};

// The copies the window hands to its operation.
struct DownloadArgs {
    CString strFirst;
    CString strSecond;
    int32_t nFirst = 0;
    int32_t nSecond = 0;
};
