#include "MessageBoxText.h"

std::string MessageBoxText(HWND hBox) {
    char text[1024] = {};
    ::GetDlgItemTextA(hBox, 0xFFFF, text, sizeof(text));
    return text;
}
