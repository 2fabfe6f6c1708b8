#pragma once

#include <windows.h>

// The demo game's process: reads its settings, opens its log, creates its
// window and runs until that window is gone.
class DemoApp {
public:
    static int run(HINSTANCE instance, int showCommand);
};
