#include "DemoGame.h"

DemoGame::DemoGame(const std::string& folder)
    : ChildProcess(folder, "Orbavel.exe", "HideWindows LauncherShellExecuteGame") {}
