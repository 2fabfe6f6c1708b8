// Stands in for a browser: writes the command line it was started with to
// commandline.txt beside itself, then ends.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string file = path;
    file = file.substr(0, file.find_last_of('\\') + 1) + "commandline.txt";
    std::string temp = file + ".part";
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return 1;
    std::fputs(::GetCommandLineA(), f);
    std::fclose(f);
    // appears whole or not at all
    return ::MoveFileExA(temp.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
