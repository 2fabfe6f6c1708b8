// A visible top-level window at (0, 0) to hold the pages, views and strips under test.
#pragma once

#include "CWnd.h"

class HostWindow : public CWnd {
public:
    HostWindow(int width, int height) {
        CreateEx(0, "STATIC", "host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width, height,
                 nullptr, nullptr);
    }
};
