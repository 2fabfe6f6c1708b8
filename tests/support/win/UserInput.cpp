#include "UserInput.h"

#include <vector>

namespace {

// absolute coordinates are in 1/65536ths of the virtual screen (every monitor's)
INPUT MouseAt(int x, int y, DWORD flags) {
    const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN),
              top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int w = ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
              h = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = ((x - left) * 65536 + w - 1) / w;
    in.mi.dy = ((y - top) * 65536 + h - 1) / h;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | flags;
    return in;
}

// a button event where the pointer is
INPUT MouseHere(DWORD flags) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    return in;
}

void Send(std::initializer_list<INPUT> inputs) {
    std::vector<INPUT> in(inputs);
    ::SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

}  // namespace

void MouseMoveTo(int x, int y) {
    Send({MouseAt(x, y, 0)});
}

void MouseLeftDown() {
    Send({MouseHere(MOUSEEVENTF_LEFTDOWN)});
}

void MouseLeftUp() {
    Send({MouseHere(MOUSEEVENTF_LEFTUP)});
}

void MouseRightClick() {
    Send({MouseHere(MOUSEEVENTF_RIGHTDOWN), MouseHere(MOUSEEVENTF_RIGHTUP)});
}

void MouseDoubleClick() {
    Send({MouseHere(MOUSEEVENTF_LEFTDOWN), MouseHere(MOUSEEVENTF_LEFTUP),
          MouseHere(MOUSEEVENTF_LEFTDOWN), MouseHere(MOUSEEVENTF_LEFTUP)});
}

void MouseLeftDown(int x, int y) {
    Send({MouseAt(x, y, MOUSEEVENTF_LEFTDOWN)});
}

void MouseLeftUp(int x, int y) {
    Send({MouseAt(x, y, MOUSEEVENTF_LEFTUP)});
}

void MouseRightClick(int x, int y) {
    Send({MouseAt(x, y, MOUSEEVENTF_RIGHTDOWN), MouseAt(x, y, MOUSEEVENTF_RIGHTUP)});
}

void MouseDoubleClick(int x, int y) {
    Send({MouseAt(x, y, MOUSEEVENTF_LEFTDOWN), MouseAt(x, y, MOUSEEVENTF_LEFTUP),
          MouseAt(x, y, MOUSEEVENTF_LEFTDOWN), MouseAt(x, y, MOUSEEVENTF_LEFTUP)});
}

void MouseDrag(POINT from, std::initializer_list<POINT> through) {
    MouseLeftDown(from.x, from.y);
    POINT last = from;
    for (const POINT& p : through) {
        MouseMoveTo(p.x, p.y);
        last = p;
    }
    MouseLeftUp(last.x, last.y);
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
