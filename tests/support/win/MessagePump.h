// Waiting for events with a deadline while this thread's messages flow, so that
// messages sent from other processes reach the test's windows meanwhile.
#pragma once

#include <windows.h>

#include <functional>

// Dispatches this thread's messages until done() or the deadline; true if done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 15000);
// Dispatches what is queued now.
void PumpPending();
