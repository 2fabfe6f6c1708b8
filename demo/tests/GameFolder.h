#pragma once

#include "ScratchFolder.h"

#include <string>
#include <vector>

// A scratch folder holding a copy of the demo game (taken from beside the test
// executable) and, if given, its settings file.
class GameFolder : public ScratchFolder {
public:
    static constexpr const char* kGame = "Orbavel.exe";

    explicit GameFolder(const std::vector<std::string>& settingsLines = {});

    std::string LogFile() const { return *this / "OrbavelDemo.log"; }
};
