// The launcher's tabs and its game page as a player meets them: the game started
// with the right words, the page's geometry sent while its tab is selected, the
// site tabs of the configuration, and a start that fails.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DemoGame.h"
#include "LauncherFixture.h"
#include "LauncherProcess.h"
#include "MessageBoxText.h"
#include "ProcessWindow.h"
#include "WriteHeadPicture.h"

namespace {

const char kHandOff[] = "HideWindows LauncherShellExecuteGame\"";

// the part of a start line's command line after the game's own quoted path
std::string ArgumentsOf(const std::string& startLine) {
    const std::string path = "Orbavel.exe\\\"";
    const size_t at = startLine.find(path);
    if (at == std::string::npos) return startLine;
    const size_t end = startLine.find(",\"pid\"", at);
    return startLine.substr(at + path.size(), end - at - path.size());
}

std::vector<uint32_t> Geometry(HWND hPage) {
    const SIZE size = ClientOf(hPage);
    const uint32_t cx = static_cast<uint32_t>(size.cx), cy = static_cast<uint32_t>(size.cy);
    return {HandleWord(hPage), cx, cy, cx, cy};
}

// the page, width, height, width and height words of a page-geometry record
std::vector<uint32_t> GeometryOf(const std::vector<uint32_t>& record) {
    if (record.size() < 13) return {};
    return {record[8], record[9], record[10], record[11], record[12]};
}

TEST_F(Launcher, StartsTheGameHiddenWithItsOwnArgumentsAndTheHandOffWords) {
    WriteGameSettings("never_ready=1\r\n");
    {
        LauncherProcess launcher(m_folder.Path());
        ASSERT_NE(launcher.WaitForWindow(), nullptr);
        const std::string start = GameLog().WaitForText("\"event\":\"start\"");
        EXPECT_EQ(ArgumentsOf(start), std::string("  ") + kHandOff);
        const HWND hGame = ::FindWindowA("QOVEXPLATFORM", nullptr);
        ASSERT_NE(hGame, nullptr);
        EXPECT_FALSE(::IsWindowVisible(hGame));
        ::PostMessageA(launcher.Window(), WM_CLOSE, 0, 0);
        ASSERT_TRUE(launcher.WaitForExit(10000));
        ASSERT_TRUE(PumpUntil([] { return !::FindWindowA("QOVEXPLATFORM", nullptr); }));
    }
    LauncherProcess launcher(m_folder.Path(), "-x \"y z\"");
    ASSERT_NE(launcher.WaitForWindow(), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return GameLogLines("\"event\":\"start\"").size() == 2; }));
    // the quotes that grouped "y z" are gone
    EXPECT_EQ(ArgumentsOf(GameLogLines("\"event\":\"start\"").back()),
              std::string("  -x y z ") + kHandOff);
}

TEST_F(Launcher, AGameAlreadyRunningIsNotStartedAgain) {
    WriteGameSettings("never_ready=1\r\n");
    DemoGame game(m_folder.Path());
    ASSERT_TRUE(PumpUntil([] { return ::FindWindowA("QOVEXPLATFORM", nullptr) != nullptr; }));
    LauncherProcess launcher(m_folder.Path());
    HWND hWnd = launcher.WaitForWindow();
    ASSERT_NE(hWnd, nullptr);
    // the running game hears from this launcher
    ASSERT_TRUE(PumpUntil([&] { return !GameRecords(5).empty(); }));
    EXPECT_EQ(GameLogLines("\"event\":\"start\"").size(), 1u);
    EXPECT_TRUE(game.Running());
}

TEST_F(Launcher, WithoutTheGameTheStartFailureIsShownAndTheLauncherCarriesOn) {
    ASSERT_TRUE(::DeleteFileA((m_folder / "Orbavel.exe").c_str()));
    LauncherProcess launcher(m_folder.Path());
    HWND hBox = nullptr;
    ASSERT_TRUE(PumpUntil([&] {
        hBox = FindProcessWindow(launcher.Id(), "#32770");
        return hBox && ::IsWindowVisible(hBox);
    }));
    EXPECT_EQ(MessageBoxText(hBox), L"游戏启动失败:文件名错误.(找不到Orbavel.exe文件)");
    ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
    HWND hWnd = launcher.WaitForWindow();
    ASSERT_NE(hWnd, nullptr);
    EXPECT_EQ(PageKinds(hWnd), "wgt");
    EXPECT_TRUE(launcher.Running());
}

TEST_F(Launcher, WithoutASiteListThePlayGameTabIsSelectedAndTheTabsWait) {
    WriteGameSettings("never_ready=1\r\n");
    LauncherProcess launcher(m_folder.Path());
    HWND hWnd = launcher.WaitForWindow();
    ASSERT_NE(hWnd, nullptr);
    EXPECT_EQ(PageKinds(hWnd), "wgt");
    const std::vector<HWND> pages = Pages(hWnd);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_FALSE(::IsWindowVisible(pages[0]));
    EXPECT_TRUE(::IsWindowVisible(pages[1]));
    EXPECT_FALSE(::IsWindowVisible(pages[2]));
    EXPECT_FALSE(::IsWindowEnabled(Strip(hWnd)));
    // and the game is told where its page is
    ASSERT_TRUE(PumpUntil([&] { return !GameRecords(5).empty(); }));
    EXPECT_EQ(GeometryOf(GameRecords(5).front()), Geometry(pages[1]));
}

TEST_F(Launcher, SiteTabsWithANameAndAnAddressFollowTheFixedTabsInFileOrder) {
    WriteGameSettings("never_ready=1\r\n");
    m_folder.Write("Platform\\Config.ini",
                   "[A]\r\nName=Alpha\r\nUrl=http://a.example/\r\n"
                   "[B]\r\nName=Beta\r\n"
                   "[C]\r\nName=Gamma\r\nUrl=http://c.example/\r\n"
                   "[D]\r\nName=Delta\r\nUrl\r\n");
    LauncherProcess launcher(m_folder.Path());
    HWND hWnd = launcher.WaitForWindow();
    ASSERT_NE(hWnd, nullptr);
    EXPECT_EQ(PageKinds(hWnd), "wgtww");
    const std::vector<HWND> pages = Pages(hWnd);
    ASSERT_EQ(pages.size(), 5u);
    for (size_t i = 0; i < pages.size(); i++) EXPECT_EQ(::IsWindowVisible(pages[i]), i == 1) << i;
    EXPECT_FALSE(::IsWindowEnabled(Strip(hWnd)));
}

TEST_F(Launcher, ThePageGeometryGoesToTheGameOnlyWhileThePlayGameTabIsSelected) {
    WriteHeadPicture(m_folder, 40);  // the strip as high as its tabs
    WriteGameSettings("ready_delay_ms=200\r\n");
    LauncherProcess launcher(m_folder.Path());
    HWND hWnd = launcher.WaitForWindow();
    ASSERT_NE(hWnd, nullptr);
    const std::vector<HWND> pages = Pages(hWnd);
    ASSERT_EQ(pages.size(), 3u);
    const std::vector<uint32_t> geometry = Geometry(pages[1]);
    EXPECT_EQ(geometry[1], 1000u);
    EXPECT_EQ(geometry[2], 660u);

    // once a second
    ASSERT_TRUE(PumpUntil([&] { return GameRecords(5).size() >= 3; }));
    for (const auto& record : GameRecords(5)) EXPECT_EQ(GeometryOf(record), geometry);
    ASSERT_TRUE(PumpUntil([&] { return ::IsWindowEnabled(Strip(hWnd)) != FALSE; }));

    // nothing while the tools tab is selected: not up to the next keep-alive
    ClickTab(hWnd, 2);
    ASSERT_TRUE(PumpUntil([&] { return ::IsWindowVisible(pages[2]) != FALSE; }));
    EXPECT_FALSE(::IsWindowVisible(pages[1]));
    const size_t sent = GameRecords(5).size();
    const size_t keptAlive = GameRecords(3).size();
    ASSERT_TRUE(PumpUntil([&] { return GameRecords(3).size() > keptAlive + 1; }, 15000));
    EXPECT_EQ(GameRecords(5).size(), sent);

    ClickTab(hWnd, 1);
    ASSERT_TRUE(PumpUntil([&] { return GameRecords(5).size() > sent; }));

    // two quick resizes of the view: each sends its size at once, before any tick
    const HWND hView = View(hWnd);
    ::SetWindowPos(hView, nullptr, 0, 0, 900, 640, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetWindowPos(hView, nullptr, 0, 0, 800, 600, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const std::vector<uint32_t> first = {HandleWord(pages[1]), 900, 600, 900, 600};
    const std::vector<uint32_t> second = {HandleWord(pages[1]), 800, 560, 800, 560};
    auto seen = [&](const std::vector<uint32_t>& wanted) {
        for (const auto& record : GameRecords(5)) {
            if (GeometryOf(record) == wanted) return true;
        }
        return false;
    };
    EXPECT_TRUE(PumpUntil([&] { return seen(first) && seen(second); }, 5000));
}

TEST_F(Launcher, TheToolsPageSendsTheChatSettingsOnATickAndOnAChosenColour) {
    WriteHeadPicture(m_folder, 40);  // the strip as high as its tabs
    WriteGameSettings("ready_delay_ms=200\r\n");
    LauncherProcess launcher(m_folder.Path());
    HWND hWnd = launcher.WaitForWindow();
    ASSERT_NE(hWnd, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return ::IsWindowEnabled(Strip(hWnd)) != FALSE; }));
    ClickTab(hWnd, 2);
    const HWND hTools = Pages(hWnd)[2];
    ASSERT_TRUE(PumpUntil([&] { return ::IsWindowVisible(hTools) != FALSE; }));
    const uint32_t h = HandleWord(hWnd);
    auto settings = [](uint32_t h, uint32_t blink, uint32_t colour) {
        std::vector<uint32_t> words = {h, 0, 9, 84, 0, 0, 0, 0, 0, blink, 0, colour, 0};
        words.resize(21, 0);
        return words;
    };

    ::PostMessageA(::GetDlgItem(hTools, 1063), BM_CLICK, 0, 0);  // "闪烁"
    ASSERT_TRUE(PumpUntil([&] { return GameRecords(9).size() == 1; }));
    EXPECT_EQ(GameRecords(9).back(), settings(h, 1, 0xFFFFFF));

    const HWND hSwatch = ::GetDlgItem(hTools, 1065);
    ::PostMessageA(hSwatch, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::PostMessageA(hSwatch, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    HWND hChooser = nullptr;
    ASSERT_TRUE(PumpUntil([&] {
        hChooser = FindProcessWindow(launcher.Id(), "#32770");
        return hChooser && ::IsWindowVisible(hChooser);
    }));
    // red, green and blue of the chooser's own boxes
    const int boxes[] = {706, 707, 708};
    const char* values[] = {"18", "52", "86"};
    for (int i = 0; i < 3; i++) {
        ::SendMessageA(::GetDlgItem(hChooser, boxes[i]), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>(values[i]));
    }
    ::PostMessageA(hChooser, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(PumpUntil([&] { return GameRecords(9).size() == 2; }));
    EXPECT_EQ(GameRecords(9).back(), settings(h, 1, 0x563412));
}

}  // namespace
