// The launcher's log, read back after a session a player could have had: what it
// records, in what order, and what it never holds.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "EnvironmentVariable.h"
#include "LauncherFixture.h"
#include "LauncherProcess.h"

namespace {

const char kSecret[] = "S3CR3T-4711";
const char kQuerySecret[] = "QUERY-S3CR3T";

using Events = std::vector<std::pair<std::string, std::string>>;

// The first of the events, each by its name and a part of its details, that the
// lines do not show in that order; empty when they all come.
std::string FirstMissing(const std::vector<std::string>& lines, const Events& events) {
    size_t next = 0;
    for (const std::string& line : lines) {
        if (next < events.size() &&
            line.find("] " + events[next].first + " ") != std::string::npos &&
            line.find(events[next].second) != std::string::npos) {
            next++;
        }
    }
    return next == events.size() ? std::string() : events[next].first + " " + events[next].second;
}

class LauncherLog : public Launcher {};

TEST_F(LauncherLog, ASessionIsLoggedInOrderWithoutTheSessionOrAnAddressesQuery) {
    const std::string profile = m_folder / "profile";
    ASSERT_TRUE(::CreateDirectoryA(profile.c_str(), nullptr));
    EnvironmentVariable localAppData("LOCALAPPDATA", profile);
    WriteGameSettings("ready_delay_ms=300\r\n");
    m_folder.Write(
        "Platform\\Config.ini",
        std::string("[A]\r\nName=Alpha\r\nUrl=http://a.example/?sid=") + kQuerySecret + "\r\n");
    // a session to its end: the game ready and told where its page is, then closed
    LauncherProcess launcher(m_folder.Path(), std::string("-session:") + kSecret);
    HWND hWnd = launcher.WaitForWindow();
    ASSERT_NE(hWnd, nullptr);
    ASSERT_TRUE(PumpUntil(
        [&] { return ::IsWindowEnabled(Strip(hWnd)) != FALSE && !GameRecords(5).empty(); }));
    ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
    ASSERT_TRUE(launcher.WaitForExit(10000));
    EXPECT_EQ(launcher.ExitCode(), 0u);

    const std::vector<std::string> lines =
        DemoLog(profile + "\\Orbavel\\Logs\\Skylark.log").Lines();
    std::string log;
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find(kSecret), std::string::npos) << line;
        EXPECT_EQ(line.find(kQuerySecret), std::string::npos) << line;
        log += line + "\n";
    }
    // the window is found by the first record sent, which may come after the ready
    const Events start = {
        {"start", "another launcher running: no"},
        {"screen", "dpi"},
        {"skin", "Platform\\WorkspaceHead.bmp"},
        {"site-list", "1 sites"},
        {"game-start", "Orbavel.exe, show command 0, parameters of 58 characters"},
        {"game-start", "started"},
    };
    const Events ready = {{"record-received", "code 8"},
                          {"game-ready", "ms after the start"},
                          {"end", "window was closed"}};
    const Events found = {{"game-window", "found: process"},
                          {"record-sent", "code 5, 52 bytes, not waiting"},
                          {"end", "window was closed"},
                          {"record-sent", "code 2, 52 bytes, waiting, answer -2"},
                          {"exit", "code=0"}};
    EXPECT_EQ(FirstMissing(lines, start), "") << log;
    EXPECT_EQ(FirstMissing(lines, ready), "") << log;
    EXPECT_EQ(FirstMissing(lines, found), "") << log;
}

}  // namespace
