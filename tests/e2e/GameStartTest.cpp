// How the launcher starts the game, checked from outside: the command line and
// show command the demo game was started with, a game already running, and a
// launcher folder without the game.
#include <gtest/gtest.h>

#include <string>

#include "DemoGame.h"
#include "DemoLog.h"
#include "LauncherProcess.h"
#include "ProcessWindow.h"
#include "TestSupport.h"

namespace {

// "游戏启动失败:文件名错误.(找不到Orbavel.exe文件)" in code page 936
const char kGameNotFound[] =
    "\xD3\xCE\xCF\xB7\xC6\xF4\xB6\xAF\xCA\xA7\xB0\xDC:\xCE\xC4\xBC\xFE\xC3\xFB\xB4\xED\xCE\xF3."
    "(\xD5\xD2\xB2\xBB\xB5\xBD"
    "Orbavel.exe\xCE\xC4\xBC\xFE)";

BOOL CALLBACK AppendText(HWND hWnd, LPARAM lParam) {
    char text[512] = {};
    ::GetWindowTextA(hWnd, text, sizeof(text));
    *reinterpret_cast<std::string*>(lParam) += std::string(text) + "\n";
    return TRUE;
}

// Ends a game the launcher started: the tests watch only the launcher's process.
void CloseGame() {
    HWND hGame = ::FindWindowA("QOVEXPLATFORM", nullptr);
    if (!hGame) return;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hGame, &pid);
    HANDLE hProcess = ::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
    ::PostMessageA(hGame, WM_CLOSE, 0, 0);
    if (!hProcess) return;
    if (!PumpUntil([&] { return ::WaitForSingleObject(hProcess, 0) == WAIT_OBJECT_0; }, 10000)) {
        ::TerminateProcess(hProcess, 1);
    }
    ::CloseHandle(hProcess);
}

class GameStart : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.Copy(WinePath(SKYLARK_EXE), "Skylark.exe"));
        ASSERT_TRUE(m_folder.Copy(WinePath(ORBAVEL_EXE), "Orbavel.exe"));
        m_folder.Write("OrbavelDemo.ini", "[demo]\r\nlog=1\r\nnever_ready=1\r\n");
    }
    void TearDown() override { CloseGame(); }

    std::vector<std::string> StartLines() const {
        std::vector<std::string> starts;
        for (const std::string& line : DemoLog(m_folder / "OrbavelDemo.log").Lines()) {
            if (line.find("\"event\":\"start\"") != std::string::npos) starts.push_back(line);
        }
        return starts;
    }

    // the command line the game logged, after its own quoted path
    std::string GameArguments() const {
        std::string start =
            DemoLog(m_folder / "OrbavelDemo.log").WaitForText("\"event\":\"start\"");
        const std::string key = "\"cmdline\":\"";
        size_t at = start.find(key);
        if (at == std::string::npos) return "no start: " + start;
        at = start.find("Orbavel.exe\\\"", at);  // the path's closing quote, escaped
        size_t end = start.find("\",\"pid\"", at);
        if (at == std::string::npos || end == std::string::npos) return "no path: " + start;
        at += 13;
        return start.substr(at, end - at);
    }

    ScratchFolder m_folder;
};

TEST_F(GameStart, TheGameIsStartedHiddenWithTheLaunchersArgumentsAndTheHandOffWords) {
    {
        LauncherProcess launcher(m_folder.Path());
        ASSERT_NE(launcher.WaitForWindow(), nullptr);
        // the parameters begin with a blank: the system puts another after the path
        EXPECT_EQ(GameArguments(), "  HideWindows LauncherShellExecuteGame");
        HWND hGame = ::FindWindowA("QOVEXPLATFORM", nullptr);
        ASSERT_NE(hGame, nullptr);
        EXPECT_FALSE(::IsWindowVisible(hGame));
    }
    CloseGame();
    ::DeleteFileA((m_folder / "OrbavelDemo.log").c_str());

    // the quotes that kept "y z" together are gone: the game sees it split
    LauncherProcess launcher(m_folder.Path(), "-x \"y z\"");
    ASSERT_NE(launcher.WaitForWindow(), nullptr);
    EXPECT_EQ(GameArguments(), "  -x y z HideWindows LauncherShellExecuteGame");
}

TEST_F(GameStart, AGameAlreadyRunningIsNotStartedTwice) {
    DemoGame game(m_folder.Path());
    ASSERT_TRUE(PumpUntil([&] { return FindProcessWindow(game.Id(), "QOVEXPLATFORM"); }));
    LauncherProcess launcher(m_folder.Path());
    ASSERT_NE(launcher.WaitForWindow(), nullptr);
    // A start would have been made before the launcher's window was shown; a game
    // started then would have logged its start before the second page-geometry
    // record, a second after the first.
    DemoLog log(m_folder / "OrbavelDemo.log");
    EXPECT_TRUE(PumpUntil([&] {
        int geometry = 0;
        for (const std::string& line : log.Lines()) {
            geometry += line.find("\"code\":5,") != std::string::npos;
        }
        return geometry >= 2;
    }));
    EXPECT_EQ(StartLines().size(), 1u);
    EXPECT_TRUE(launcher.Running());
}

TEST_F(GameStart, AMissingGameIsReportedAndTheLauncherCarriesOn) {
    ASSERT_TRUE(::DeleteFileA((m_folder / "Orbavel.exe").c_str()));
    LauncherProcess launcher(m_folder.Path());
    HWND hBox = nullptr;
    ASSERT_TRUE(PumpUntil([&] {
        hBox = FindProcessWindow(launcher.Id(), "#32770");
        return hBox && ::IsWindowVisible(hBox);
    }));
    std::string texts;
    ::EnumChildWindows(hBox, &AppendText, reinterpret_cast<LPARAM>(&texts));
    EXPECT_NE(texts.find(kGameNotFound), std::string::npos) << texts;
    ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);

    HWND hWnd = launcher.WaitForWindow();
    ASSERT_NE(hWnd, nullptr);
    EXPECT_TRUE(launcher.Running());
    ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(launcher.WaitForExit(10000));
}

}  // namespace
