#pragma once

#include <string>
#include <vector>

// A fresh folder below the temporary folder holding a copy of the demo game
// (taken from beside the test executable) and, if given, its settings file.
// Everything in it is deleted again at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::vector<std::string>& settingsLines = {});
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string game() const { return path_ + "\\Orbavel.exe"; }
    std::string logFile() const { return path_ + "\\OrbavelDemo.log"; }

private:
    void writeSettings(const std::vector<std::string>& lines) const;

    std::string path_;
};
