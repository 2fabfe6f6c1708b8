#pragma once

#include <windows.h>

#include <functional>

// Waits for a condition while handling this thread's messages, so that the
// game's sent messages reach the test's windows meanwhile.
class MessagePump {
public:
    static bool until(const std::function<bool()>& condition, DWORD timeoutMs = 15000);
    static void drain();
};
