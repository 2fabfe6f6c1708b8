#include "MessageBoxText.h"

#include "MessagePump.h"

std::wstring MessageBoxText(HWND hBox) {
    wchar_t text[1024] = {};
    PumpUntil([&] { return ::GetDlgItemTextW(hBox, 0xFFFF, text, 1024) != 0; });
    return text;
}
