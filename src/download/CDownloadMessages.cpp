#include "CDownloadMessages.h"

#include "CDownloadBlockRegistry.h"

namespace {

const char* const kNames[kDownloadMessageCount] = {
    "KELDRIN_WM_DOWNFILE_CHECKTIME",     "KELDRIN_WM_DOWNFILE_DOWNFINISHED",
    "KELDRIN_WM_DOWNFILE_PROXYVALIDATE", "KELDRIN_WM_DOWNFILE_ERROR",
    "KELDRIN_WM_DOWNFILE_STARTDOWNLOAD", "KELDRIN_WM_DOWNFILE_PROGRESS",
};

struct Numbers {
    UINT n[kDownloadMessageCount];
    Numbers() {
        for (int i = 0; i < kDownloadMessageCount; ++i) n[i] = ::RegisterWindowMessageA(kNames[i]);
    }
};

const Numbers& RegisteredNumbers() {
    static const Numbers numbers;
    return numbers;
}

LRESULT SendBlock(HWND hWnd, DownloadMessage message, const void* pBlock) {
    CDownloadBlockRegistry::Scope scope(message, pBlock);
    return ::SendMessageA(hWnd, CDownloadMessages::Number(message),
                          reinterpret_cast<WPARAM>(pBlock), 0);
}

}  // namespace

const char* CDownloadMessages::Name(DownloadMessage message) {
    return kNames[static_cast<int>(message)];
}

UINT CDownloadMessages::Number(DownloadMessage message) {
    return RegisteredNumbers().n[static_cast<int>(message)];
}

bool CDownloadMessages::Find(UINT nMsg, DownloadMessage& message) {
    const Numbers& numbers = RegisteredNumbers();
    for (int i = 0; i < kDownloadMessageCount; ++i) {
        if (numbers.n[i] != 0 && numbers.n[i] == nMsg) {
            message = static_cast<DownloadMessage>(i);
            return true;
        }
    }
    return false;
}

LRESULT CDownloadMessages::SendCheckTime(HWND hWnd, const CString& strFirst,
                                         const CString& strSecond) {
    DownloadTimeBlock block = {&strFirst, &strSecond};
    return SendBlock(hWnd, DownloadMessage::CheckTime, &block);
}

LRESULT CDownloadMessages::SendStatus(HWND hWnd, DownloadMessage message, const CString& strText,
                                      int32_t nFirst, int32_t nSecond) {
    // a block of the wrong shape would be read as another
    if (message != DownloadMessage::DownFinished && message != DownloadMessage::ProxyValidate &&
        message != DownloadMessage::Progress) {
        return 0;
    }
    DownloadStatusBlock block = {&strText, nFirst, nSecond};
    return SendBlock(hWnd, message, &block);
}

LRESULT CDownloadMessages::SendText(HWND hWnd, DownloadMessage message, const CString& strText) {
    if (message != DownloadMessage::Error && message != DownloadMessage::StartDownload) return 0;
    return SendBlock(hWnd, message, &strText);
}
