#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// A window of the test process with a chosen class: a stand-in for the
// launcher's frame or game page. It keeps every WM_COPYDATA it receives and
// answers it with -2.
class TestWindow {
public:
    struct Received {
        std::vector<std::uint32_t> words;
        WPARAM wParam;
        ULONG_PTR dwData;
        DWORD size;
        DWORD tick;
    };

    TestWindow(const char* className, DWORD style, RECT placement);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND handle() const { return window_; }
    const std::vector<Received>& received() const { return received_; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    std::vector<Received> received_;
};
