#include "UserInput.h"

#include <vector>

namespace {

void SendMouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = dx;
    in.mi.dy = dy;
    in.mi.dwFlags = flags;
    ::SendInput(1, &in, sizeof(in));
}

}  // namespace

void MouseMoveTo(int x, int y) {
    // absolute coordinates are in 1/65536ths of the screen
    const int w = ::GetSystemMetrics(SM_CXSCREEN), h = ::GetSystemMetrics(SM_CYSCREEN);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, (x * 65536 + w - 1) / w,
              (y * 65536 + h - 1) / h);
}

void MouseLeftDown() {
    SendMouse(MOUSEEVENTF_LEFTDOWN);
}

void MouseLeftUp() {
    SendMouse(MOUSEEVENTF_LEFTUP);
}

void MouseRightClick() {
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    SendMouse(MOUSEEVENTF_RIGHTUP);
}

void MouseDoubleClick() {
    INPUT in[4] = {};
    const DWORD flags[4] = {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN,
                            MOUSEEVENTF_LEFTUP};
    for (int i = 0; i < 4; i++) {
        in[i].type = INPUT_MOUSE;
        in[i].mi.dwFlags = flags[i];
    }
    ::SendInput(4, in, sizeof(INPUT));
}

void MouseDrag(POINT from, std::initializer_list<POINT> through) {
    MouseMoveTo(from.x, from.y);
    MouseLeftDown();
    for (const POINT& p : through) MouseMoveTo(p.x, p.y);
    MouseLeftUp();
}

void PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> in;
    for (WORD vk : keys) {
        INPUT i = {};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        in.push_back(i);
    }
    for (auto it = keys.end(); it != keys.begin();) {
        INPUT i = {};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = *--it;
        i.ki.dwFlags = KEYEVENTF_KEYUP;
        in.push_back(i);
    }
    ::SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}
