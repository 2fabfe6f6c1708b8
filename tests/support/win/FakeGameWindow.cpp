#include "FakeGameWindow.h"

uint32_t FakeGameWindow::Record::Word(size_t offset) const {
    if (offset + 4 > data.size()) return 0xDEADBEEF;
    return data[offset] | data[offset + 1] << 8 | data[offset + 2] << 16 |
           static_cast<uint32_t>(data[offset + 3]) << 24;
}

FakeGameWindow::FakeGameWindow() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &WndProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "QOVEXPLATFORM";
    ::RegisterClassA(&wc);
    m_hWnd = ::CreateWindowExA(0, "QOVEXPLATFORM", "Orbavel", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                               nullptr, wc.hInstance, nullptr);
    ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

FakeGameWindow::~FakeGameWindow() {
    Destroy();
}

void FakeGameWindow::Destroy() {
    if (m_hWnd) ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
}

LRESULT CALLBACK FakeGameWindow::WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<FakeGameWindow*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (self && msg == WM_COPYDATA) {
        auto* cds = reinterpret_cast<COPYDATASTRUCT*>(lParam);
        Record r{wParam, cds->dwData, {}, cds->lpData != nullptr};
        if (cds->lpData) {
            const auto* p = static_cast<const uint8_t*>(cds->lpData);
            r.data.assign(p, p + cds->cbData);
        }
        self->m_records.push_back(r);
        if (self->m_nAnswerDelayMs) ::Sleep(self->m_nAnswerDelayMs);
        return self->m_answer;
    }
    if (self && msg == WM_ACTIVATEAPP) {
        self->m_activations.push_back(wParam);
        return 0;
    }
    return ::DefWindowProcA(hWnd, msg, wParam, lParam);
}
