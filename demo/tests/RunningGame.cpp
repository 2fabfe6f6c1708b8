#include "RunningGame.h"

#include "MessagePump.h"
#include "ProcessWindow.h"

#include <stdexcept>

namespace {

const char* const kGameClass = "QOVEXPLATFORM";

}  // namespace

RunningGame::RunningGame(const std::vector<std::string>& settings, const std::string& arguments,
                         WORD showCommand)
    : folder_(settings),
      process_(folder_.Path(), GameFolder::kGame, arguments, showCommand),
      log_(folder_.LogFile()) {
    if (!process_.Started()) throw std::runtime_error("cannot start the demo game");
    PumpUntil([&] { return (window_ = FindProcessWindow(process_.Id(), kGameClass)) != nullptr; });
}

RunningGame::~RunningGame() {
    // Closing its window lets the game take its view out of our windows
    // itself; the process's end by force is only the last resort.
    if (HWND window = FindProcessWindow(process_.Id(), kGameClass)) {
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    process_.WaitForExit(5000);
}
