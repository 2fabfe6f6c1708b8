// A minimal Win32 program: one visible window of the launcher's size and a
// message loop. The yardstick the launcher's start-up is measured against.
#include <windows.h>

#ifdef SKYLARK_BENCH_LAUNCHER_DLLS
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>
#include <winver.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

// One function of each system DLL the launcher imports, never called: the loader
// maps them all at start, as it does for the launcher.
void* volatile g_imports[] = {reinterpret_cast<void*>(&CoInitialize),
                              reinterpret_cast<void*>(&SysFreeString),
                              reinterpret_cast<void*>(&InitCommonControls),
                              reinterpret_cast<void*>(&RegCloseKey),
                              reinterpret_cast<void*>(&ShellExecuteA),
                              reinterpret_cast<void*>(&Gdiplus::GdiplusStartup),
                              reinterpret_cast<void*>(&GetFileVersionInfoSizeA)};
#endif

namespace {

LRESULT CALLBACK WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &WndProc;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "SkylarkBenchBaseline";
    ::RegisterClassA(&wc);
    HWND hWnd =
        ::CreateWindowExA(0, wc.lpszClassName, "Baseline", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                          CW_USEDEFAULT, 1006, 732, nullptr, nullptr, hInstance, nullptr);
    ::ShowWindow(hWnd, nCmdShow);
    ::UpdateWindow(hWnd);
    MSG msg;
    BOOL r;
    while ((r = ::GetMessageA(&msg, nullptr, 0, 0)) != 0) {
        if (r == -1) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
