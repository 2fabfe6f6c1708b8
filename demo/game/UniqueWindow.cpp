#include "UniqueWindow.h"

UniqueWindow& UniqueWindow::operator=(UniqueWindow&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
}

HWND UniqueWindow::release() {
    HWND window = window_;
    window_ = nullptr;
    return window;
}

void UniqueWindow::reset(HWND window) {
    HWND old = window_;
    window_ = window;
    if (old && IsWindow(old)) DestroyWindow(old);
}
