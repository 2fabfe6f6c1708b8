#include "WindowClass.h"

WindowClass::WindowClass(HINSTANCE instance, const char* name, WNDPROC procedure, UINT style)
    : instance_(instance), name_(name) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = nullptr;
    wc.lpszClassName = name;
    atom_ = RegisterClassExA(&wc);
}

WindowClass::~WindowClass() {
    if (atom_) UnregisterClassA(name_, instance_);
}
