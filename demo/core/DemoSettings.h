#pragma once

#include "CodeList.h"

class SettingsSource;

// How the demo game behaves. The defaults are a well-behaved game; the
// settings file can make it log, answer late or wrongly, or go away.
struct DemoSettings {
    bool log = false;
    int readyDelayMs = 3000;
    bool neverReady = false;
    int readyCount = 1;
    CodeList answerZero;
    int answerDelayMs = 0;
    CodeList delayCodes;
    int exitAfterMs = 0;  // 0: stay until told to go
    bool exitOnClose = true;

    static DemoSettings read(const SettingsSource& source);
};
