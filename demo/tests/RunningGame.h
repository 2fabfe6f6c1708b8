#pragma once

#include "ChildProcess.h"
#include "DemoLog.h"
#include "GameFolder.h"

#include <windows.h>

#include <string>
#include <vector>

// The demo game running in a scratch folder of its own with the given
// settings lines, started the way the launcher starts it unless told
// otherwise. window() is its QOVEXPLATFORM window (null if none came).
class RunningGame {
public:
    static constexpr const char* kHandOff = "HideWindows LauncherShellExecuteGame";

    explicit RunningGame(const std::vector<std::string>& settings,
                         const std::string& arguments = kHandOff, WORD showCommand = SW_HIDE);
    ~RunningGame();

    HWND window() const { return window_; }
    const ChildProcess& process() const { return process_; }
    const DemoLog& log() const { return log_; }

private:
    GameFolder folder_;
    ChildProcess process_;
    DemoLog log_;
    HWND window_ = nullptr;
};
