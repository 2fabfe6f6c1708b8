// The texts of starting the game: the parameters it is started with and the
// message shown when it cannot be started.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The launcher's own arguments after its path (arguments[0]), each behind one
// blank and taken as they are (no quotes put back), then the two hand-off words.
std::string BuildGameParameters(const std::vector<std::string>& arguments);

// "游戏启动失败" and the reason the start command's result stands for, in UTF-8.
std::string GameStartFailureMessage(intptr_t result);
