#include "TestSupport.h"

#include <fstream>

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs) return false;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) continue;  // tests look for it themselves
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void PumpPending() {
    PumpUntil([] { return false; }, 0);
}

ScratchFolder::ScratchFolder() {
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    static unsigned counter = 0;
    for (;;) {
        m_path = std::string(temp) + "skylark-test-" + std::to_string(::GetCurrentProcessId()) +
                 "-" + std::to_string(counter++);
        if (::CreateDirectoryA(m_path.c_str(), nullptr)) break;
    }
}

namespace {
void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA fd;
    HANDLE h = ::FindFirstFileA((path + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string name = fd.cFileName;
            if (name == "." || name == "..") continue;
            std::string child = path + "\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                ::DeleteFileA(child.c_str());
            }
        } while (::FindNextFileA(h, &fd));
        ::FindClose(h);
    }
    ::RemoveDirectoryA(path.c_str());
}
}  // namespace

ScratchFolder::~ScratchFolder() {
    RemoveTree(m_path);
}

void ScratchFolder::Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::string path = *this / name;
    size_t slash = path.rfind('\\');
    ::CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

void ScratchFolder::Write(const std::string& name, const std::string& text) const {
    Write(name, std::vector<uint8_t>(text.begin(), text.end()));
}

CurrentDirectory::CurrentDirectory(const std::string& path) {
    char previous[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, previous);
    m_previous = previous;
    ::SetCurrentDirectoryA(path.c_str());
}

CurrentDirectory::~CurrentDirectory() {
    ::SetCurrentDirectoryA(m_previous.c_str());
}

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
        return self->m_answer;
    }
    if (self && msg == WM_ACTIVATEAPP) {
        self->m_activations.push_back(wParam);
        return 0;
    }
    return ::DefWindowProcA(hWnd, msg, wParam, lParam);
}

std::string WinePath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}
