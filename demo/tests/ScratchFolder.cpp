#include "ScratchFolder.h"

#include <windows.h>

#include <fstream>
#include <stdexcept>

namespace {

std::string besideThisExecutable(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

std::string uniqueFolder() {
    static int counter = 0;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + "OrbavelDemoTest-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount()) + "-" + std::to_string(++counter);
}

void removeFolder(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name != "." && name != "..") DeleteFileA((folder + "\\" + name).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

ScratchFolder::ScratchFolder(const std::vector<std::string>& settingsLines)
    : path_(uniqueFolder()) {
    if (!CreateDirectoryA(path_.c_str(), nullptr)) throw std::runtime_error("no scratch folder");
    if (!CopyFileA(besideThisExecutable("Orbavel.exe").c_str(), game().c_str(), FALSE)) {
        throw std::runtime_error("Orbavel.exe not found beside the test");
    }
    if (!settingsLines.empty()) writeSettings(settingsLines);
}

ScratchFolder::~ScratchFolder() {
    removeFolder(path_);
}

void ScratchFolder::writeSettings(const std::vector<std::string>& lines) const {
    std::ofstream file(path_ + "\\OrbavelDemo.ini", std::ios::binary);
    file << "[demo]\r\n";
    for (const auto& line : lines) file << line << "\r\n";
}
