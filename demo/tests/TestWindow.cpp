#include "TestWindow.h"

#include <stdexcept>

namespace {

void registerClass(const char* className, WNDPROC procedure) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = className;
    RegisterClassExA(&wc);  // a second window of the class finds it registered
}

}  // namespace

TestWindow::TestWindow(const char* className, DWORD style, RECT placement) {
    registerClass(className, procedure);
    window_ = CreateWindowExA(0, className, "test", style, placement.left, placement.top,
                              placement.right - placement.left, placement.bottom - placement.top,
                              nullptr, nullptr, GetModuleHandleA(nullptr), this);
    if (!window_) throw std::runtime_error("cannot create a test window");
}

TestWindow::~TestWindow() {
    if (IsWindow(window_)) DestroyWindow(window_);
}

LRESULT CALLBACK TestWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_COPYDATA && self) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        Received received{{}, wParam, data->dwData, data->cbData, GetTickCount()};
        const auto* bytes = static_cast<const unsigned char*>(data->lpData);
        for (DWORD offset = 0; bytes && offset + 4 <= data->cbData; offset += 4) {
            received.words.push_back(bytes[offset] | bytes[offset + 1] << 8 |
                                     bytes[offset + 2] << 16 |
                                     static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
        }
        self->received_.push_back(received);
        return -2;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
