#include "ClipboardText.h"

#include <windows.h>

#include <cstring>

bool PutTextOnClipboard(const char* text) {
    if (!::OpenClipboard(nullptr)) return false;
    ::EmptyClipboard();
    HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
    std::strcpy(static_cast<char*>(::GlobalLock(hText)), text);
    ::GlobalUnlock(hText);
    ::SetClipboardData(CF_TEXT, hText);
    ::CloseClipboard();
    return true;
}

std::string ClipboardText() {
    std::string text;
    if (!::OpenClipboard(nullptr)) return text;
    if (HGLOBAL hText = ::GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(::GlobalLock(hText));
        ::GlobalUnlock(hText);
    }
    ::CloseClipboard();
    return text;
}
