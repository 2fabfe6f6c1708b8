#include "RunningGame.h"

RunningGame::RunningGame(const std::vector<std::string>& settings, const std::string& arguments,
                         WORD showCommand)
    : folder_(settings),
      process_(folder_.game(), arguments, showCommand),
      log_(folder_.logFile()),
      window_(process_.waitForWindow()) {}
