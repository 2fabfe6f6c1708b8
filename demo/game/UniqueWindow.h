#pragma once

#include <windows.h>

// Owns a window of this thread and destroys it. A window that the system
// has destroyed already (with a parent in another process, say) must be
// given up with release() when its WM_NCDESTROY arrives.
class UniqueWindow {
public:
    explicit UniqueWindow(HWND window = nullptr) : window_(window) {}
    ~UniqueWindow() { reset(); }
    UniqueWindow(UniqueWindow&& other) noexcept : window_(other.release()) {}
    UniqueWindow& operator=(UniqueWindow&& other) noexcept;
    UniqueWindow(const UniqueWindow&) = delete;
    UniqueWindow& operator=(const UniqueWindow&) = delete;

    HWND get() const { return window_; }
    HWND release();
    void reset(HWND window = nullptr);

private:
    HWND window_;
};
