#include "MessageLoop.h"

#include <windows.h>

int MessageLoop::run() {
    MSG msg{};
    for (;;) {
        BOOL result = GetMessageA(&msg, nullptr, 0, 0);
        if (result == 0) return static_cast<int>(msg.wParam);
        if (result != TRUE) {
            // -1 or an error status: msg holds nothing new. Yield briefly so
            // that a failure that repeats cannot spin the processor.
            Sleep(1);
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
