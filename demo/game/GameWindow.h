#pragma once

#include "DemoSettings.h"
#include "GameView.h"
#include "LauncherFinder.h"
#include "ReadyReporter.h"
#include "RecordHandler.h"
#include "UniqueResource.h"
#include "WindowClass.h"

#include <windows.h>

class EventLog;

// The game's top-level window, of the class the launcher looks for. It
// answers the launcher's records, reports readiness and owns the view that
// the game shows inside the launcher's page.
class GameWindow {
public:
    static constexpr const char* kClassName = "QOVEXPLATFORM";

    GameWindow(HINSTANCE instance, const DemoSettings& settings, const EventLog& log);

    bool create();
    void start(int showCommand);
    HWND handle() const { return window_.get(); }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onCopyData(WPARAM wParam, LPARAM lParam);
    void onTimer(UINT_PTR id);
    void onDestroy();
    static void paint(HWND window);
    void leave(const char* reason);

    DemoSettings settings_;
    const EventLog& log_;
    WindowClass class_;
    LauncherFinder finder_;
    GameView view_;
    RecordHandler records_;
    ReadyReporter ready_;
    const char* exitReason_ = "closed";
    UniqueWindow window_;
};
