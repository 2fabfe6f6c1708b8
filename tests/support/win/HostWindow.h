// A visible top-level window to hold the pages, views, strips and controls under test.
#pragma once

#include "CWnd.h"

class HostWindow : public CWnd {
public:
    HostWindow(int width, int height, int x = 0, int y = 0) {
        CreateEx(0, "STATIC", "host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | SS_NOTIFY, x, y,
                 width, height, nullptr, nullptr);
    }
};
