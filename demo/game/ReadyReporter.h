#pragma once

#include "DemoSettings.h"

#include <windows.h>

class EventLog;
class LauncherFinder;

// Tells the launcher that the game is ready: after the configured delay it
// looks for the launcher's window every 100 ms and, once found, sends the
// ready record (as many times as configured, 100 ms apart). Driven by a
// timer of the game's window.
class ReadyReporter {
public:
    static constexpr UINT_PTR kTimerId = 1;

    ReadyReporter(const DemoSettings& settings, const LauncherFinder& finder, const EventLog& log)
        : settings_(settings), finder_(finder), log_(log) {}

    void start(HWND game);
    void onTimer();

private:
    void report(HWND launcher);
    void again() const;

    const DemoSettings& settings_;
    const LauncherFinder& finder_;
    const EventLog& log_;
    HWND game_ = nullptr;
    int sent_ = 0;
};
