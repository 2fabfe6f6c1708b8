#include "DialogCloser.h"

namespace {

BOOL CALLBACK TakeVisibleDialog(HWND hWnd, LPARAM lParam) {
    char cls[32] = {};
    ::GetClassNameA(hWnd, cls, sizeof(cls));
    if (std::string(cls) != "#32770" || !::IsWindowVisible(hWnd)) return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

BOOL CALLBACK AppendText(HWND hWnd, LPARAM lParam) {
    char text[512] = {};
    ::GetWindowTextA(hWnd, text, sizeof(text));
    *reinterpret_cast<std::string*>(lParam) += std::string(text) + "\n";
    return TRUE;
}

}  // namespace

DialogCloser::DialogCloser(std::function<void(HWND)> act, DWORD timeoutMs)
    : m_threadId(::GetCurrentThreadId()), m_act(std::move(act)) {
    m_thread = std::thread([this, timeoutMs] { Watch(timeoutMs); });
}

DialogCloser::~DialogCloser() {
    m_bStop = true;
    m_thread.join();
}

HWND DialogCloser::FindBox() const {
    HWND found = nullptr;
    ::EnumThreadWindows(m_threadId, &TakeVisibleDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

void DialogCloser::Watch(DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    while (!m_bStop && ::GetTickCount() - start < timeoutMs) {
        HWND hBox = FindBox();
        if (!hBox) {
            ::Sleep(20);
            continue;
        }
        ::EnumChildWindows(hBox, &AppendText, reinterpret_cast<LPARAM>(&m_texts));
        if (m_act) m_act(hBox);
        m_bSeen = true;
        ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
        return;
    }
}
