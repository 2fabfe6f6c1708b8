#include "BrowserWindows.h"

#include <cstring>

namespace {

BOOL CALLBACK TakeEmbedding(HWND hWnd, LPARAM lParam) {
    char name[32] = {};
    ::GetClassNameA(hWnd, name, sizeof(name));
    if (std::strcmp(name, "Shell Embedding") == 0) {
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> BrowserWindows(HWND hWnd) {
    std::vector<HWND> found;
    ::EnumChildWindows(hWnd, &TakeEmbedding, reinterpret_cast<LPARAM>(&found));
    return found;
}
