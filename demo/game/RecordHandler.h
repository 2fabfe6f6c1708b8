#pragma once

#include "AnswerPolicy.h"

#include <windows.h>

class EventLog;
class GameView;
class LauncherFinder;

// Takes the records the launcher sends in WM_COPYDATA: logs them, remembers
// who sent them, moves the game view to the page they name and works out
// the answer.
class RecordHandler {
public:
    struct Outcome {
        LRESULT answer;
        bool quit;
    };

    RecordHandler(const DemoSettings& settings, const EventLog& log, LauncherFinder& finder,
                  GameView& view)
        : policy_(settings), log_(log), finder_(finder), view_(view) {}

    Outcome handle(WPARAM wParam, const COPYDATASTRUCT* data);

private:
    AnswerPolicy policy_;
    const EventLog& log_;
    LauncherFinder& finder_;
    GameView& view_;
};
