#include "ProcessWindow.h"

#include <cstring>

namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid != search->processId) return TRUE;
    if (search->className) {
        char cls[64] = {};
        ::GetClassNameA(hWnd, cls, sizeof(cls));
        if (std::strcmp(cls, search->className) != 0) return TRUE;
    }
    search->found = hWnd;
    return FALSE;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const char* className, HWND parent) {
    WindowSearch search = {processId, className, nullptr};
    if (parent) {
        ::EnumChildWindows(parent, &MatchWindow, reinterpret_cast<LPARAM>(&search));
    } else {
        ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    }
    return search.found;
}
