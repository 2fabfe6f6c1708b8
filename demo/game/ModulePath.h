#pragma once

#include <string>

// The folder that holds the running executable, where the game keeps its
// settings file and its event log. Both forms end with a backslash.
class ModulePath {
public:
    static std::string ansiFolder();
    static std::wstring wideFolder();
};
