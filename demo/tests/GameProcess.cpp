#include "GameProcess.h"

#include "MessagePump.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK checkWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    if (owner == search->process && std::string(name) == "QOVEXPLATFORM") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

GameProcess::GameProcess(const std::string& exe, const std::string& arguments, WORD showCommand) {
    std::string commandLine = "\"" + exe + "\" " + arguments;
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showCommand;
    std::string folder = exe.substr(0, exe.find_last_of('\\'));
    startTick_ = GetTickCount();
    if (!CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info_)) {
        throw std::runtime_error("cannot start the demo game");
    }
}

GameProcess::~GameProcess() {
    // Closing its window lets the game take its view out of our windows
    // itself; force is only the last resort.
    if (HWND window = findWindow()) PostMessageA(window, WM_CLOSE, 0, 0);
    if (!waitForExit(5000)) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

HWND GameProcess::findWindow() const {
    Search search{info_.dwProcessId, nullptr};
    EnumWindows(checkWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND GameProcess::waitForWindow(DWORD timeoutMs) const {
    HWND window = nullptr;
    MessagePump::until([&] { return (window = findWindow()) != nullptr; }, timeoutMs);
    return window;
}

bool GameProcess::waitForExit(DWORD timeoutMs) const {
    return MessagePump::until(
        [&] { return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; }, timeoutMs);
}
