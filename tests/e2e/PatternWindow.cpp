#include "PatternWindow.h"

#include <vector>

namespace {

const char kClassName[] = "SkylarkTestPattern";

void RegisterPatternClass(WNDPROC proc) {
    WNDCLASSA wc = {};
    if (::GetClassInfoA(::GetModuleHandleA(nullptr), kClassName, &wc)) return;
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = kClassName;
    ::RegisterClassA(&wc);
}

}  // namespace

PatternWindow::PatternWindow(const RECT& rect, int seed) : m_rect(rect), m_seed(seed) {
    RegisterPatternClass(&WndProc);
    m_hWnd = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP,
                               rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                               nullptr, nullptr, ::GetModuleHandleA(nullptr), this);
    ::ShowWindow(m_hWnd, SW_SHOW);
    ::UpdateWindow(m_hWnd);
}

PatternWindow::~PatternWindow() {
    if (m_hWnd) ::DestroyWindow(m_hWnd);
}

void PatternWindow::RaiseWithoutActivating() {
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::UpdateWindow(m_hWnd);
}

uint32_t PatternWindow::Colour(int x, int y, int seed) {
    uint32_t r = static_cast<uint32_t>(x * 7 + seed * 40) & 0xFF;
    uint32_t g = static_cast<uint32_t>(y * 5 + seed * 90) & 0xFF;
    uint32_t b = static_cast<uint32_t>(((x >> 5) + (y >> 5) * 3) * 9 + seed * 50) & 0xFF;
    return (r << 16) | (g << 8) | b;
}

void PatternWindow::Paint() {
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    const int width = m_rect.right - m_rect.left, height = m_rect.bottom - m_rect.top;
    std::vector<uint32_t> bits(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; y++) {
        for (int x = 0; x < width; x++) {
            bits[static_cast<size_t>(y) * width + x] =
                Colour(m_rect.left + x, m_rect.top + y, m_seed);
        }
    }
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    ::SetDIBitsToDevice(hDC, 0, 0, width, height, 0, 0, 0, height, bits.data(), &bmi,
                        DIB_RGB_COLORS);
    ::EndPaint(m_hWnd, &ps);
}

LRESULT CALLBACK PatternWindow::WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<PatternWindow*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (message == WM_PAINT && self) {
        self->Paint();
        return 0;
    }
    if (message == WM_ERASEBKGND) return 1;
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}
