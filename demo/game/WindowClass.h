#pragma once

#include <windows.h>

// Registers a window class for as long as it lives.
class WindowClass {
public:
    WindowClass(HINSTANCE instance, const char* name, WNDPROC procedure, UINT style);
    ~WindowClass();
    WindowClass(const WindowClass&) = delete;
    WindowClass& operator=(const WindowClass&) = delete;

    bool registered() const { return atom_ != 0; }
    const char* name() const { return name_; }

private:
    HINSTANCE instance_;
    const char* name_;
    ATOM atom_;
};
