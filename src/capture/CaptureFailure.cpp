#include "CaptureFailure.h"

#include <cwchar>

#include "Afx.h"

namespace {

std::wstring WideFromUtf8(const char* pszUtf8) {
    wchar_t text[256] = {};
    ::MultiByteToWideChar(CP_UTF8, 0, pszUtf8, -1, text, ARRAYSIZE(text) - 1);
    return text;
}

// The system's text for an error: a Win32 error as an HRESULT (HRESULT_FROM_WIN32)
// or any other HRESULT; the number in hexadecimal when the system has no text.
std::wstring ErrorText(HRESULT hr) {
    // a Win32 error's text is found under its own code, not under the HRESULT
    const DWORD dwCode = HRESULT_FACILITY(hr) == FACILITY_WIN32 ? HRESULT_CODE(hr) : DWORD(hr);
    wchar_t text[512] = {};
    if (::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                         dwCode, 0, text, ARRAYSIZE(text), nullptr)) {
        return text;
    }
    std::swprintf(text, ARRAYSIZE(text), L"0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

}  // namespace

HRESULT LastErrorOr(DWORD dwFallback) {
    const DWORD dwError = ::GetLastError();
    return HRESULT_FROM_WIN32(dwError ? dwError : dwFallback);
}

void TellCaptureFailure(CWnd* pOwner, const char* pszWhatUtf8, const std::wstring& strPath,
                        HRESULT hr) {
    std::wstring text = WideFromUtf8(pszWhatUtf8) + L"\r\n";
    if (!strPath.empty()) text += strPath + L"\r\n";
    text += L"\r\n" + ErrorText(hr);
    AfxMessageBox(text.c_str(), MB_OK | MB_ICONERROR | MB_TOPMOST, pOwner);
}
