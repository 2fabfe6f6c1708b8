// The player archive, unpacked into a fresh folder with the demo game beside it:
// the launcher starts there to its window.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

#include "LauncherProcess.h"
#include "MessagePump.h"
#include "WinePath.h"

namespace {

std::string TitleOf(HWND hWnd) {
    char text[256] = {};
    ::GetWindowTextA(hWnd, text, sizeof(text));
    return text;
}

// Whether the game, if the launcher started one, has ended.
bool NoGameLeft(DWORD timeoutMs) {
    HWND hGame = ::FindWindowA("QOVEXPLATFORM", nullptr);
    if (!hGame) return true;
    DWORD processId = 0;
    ::GetWindowThreadProcessId(hGame, &processId);
    HANDLE hProcess = ::OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (!hProcess) return !::IsWindow(hGame);
    bool ended =
        PumpUntil([&] { return ::WaitForSingleObject(hProcess, 0) == WAIT_OBJECT_0; }, timeoutMs);
    ::CloseHandle(hProcess);
    return ended;
}

}  // namespace

TEST(PlayerArchive, UnpackedBesideTheGameTheLauncherStartsToItsWindow) {
    std::string folder = WinePath(SKYLARK_RELEASE_DIR "/game");
    ASSERT_NE(::GetFileAttributesA((folder + "\\Skylark.exe").c_str()), INVALID_FILE_ATTRIBUTES);

    LauncherProcess launcher(folder);
    HWND hWnd = launcher.WaitForWindow();
    ASSERT_NE(hWnd, nullptr);
    // the title carries the version the archive is named after
    std::string title = TitleOf(hWnd);
    std::string version = ":" SKYLARK_VERSION ")";
    EXPECT_EQ(title.substr(title.size() - std::min(title.size(), version.size())), version);

    // the game's window up first: a launcher closing before it exists cannot tell
    // the game to go
    ASSERT_TRUE(PumpUntil([] { return ::FindWindowA("QOVEXPLATFORM", nullptr) != nullptr; }));
    ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(launcher.WaitForExit(10000));
    EXPECT_TRUE(NoGameLeft(10000)) << "the demo game leaves with the launcher";
}
