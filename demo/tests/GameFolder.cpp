#include "GameFolder.h"

#include <windows.h>

#include <stdexcept>

namespace {

std::string besideThisExecutable(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

}  // namespace

GameFolder::GameFolder(const std::vector<std::string>& settingsLines)
    : ScratchFolder("OrbavelDemoTest") {
    if (!Copy(besideThisExecutable(kGame), kGame)) {
        throw std::runtime_error("Orbavel.exe not found beside the test");
    }
    if (settingsLines.empty()) return;
    std::string settings = "[demo]\r\n";
    for (const auto& line : settingsLines) settings += line + "\r\n";
    Write("OrbavelDemo.ini", settings);
}
