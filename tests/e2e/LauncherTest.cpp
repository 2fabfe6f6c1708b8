// The launcher as a player starts it: Skylark.exe in an install folder beside the
// game, checked from outside through its windows, its messages and the records
// the demo game logs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "BmpBuilder.h"
#include "LauncherFixture.h"
#include "LauncherProcess.h"
#include "ProcessWindow.h"
#include "WriteHeadPicture.h"

namespace {

const UINT kFileNew = 0xE100;
const UINT kFileOpen = 0xE101;
const UINT kAppAbout = 0xE140;

TEST_F(Launcher, StartsWithTheVersionedTitleAFixedFrameAndACentredWindow) {
    LauncherProcess launcher(m_folder.Path());
    HWND hWnd = launcher.WaitForWindow();
    ASSERT_NE(hWnd, nullptr);
    // "Orbavel (盒子版本:1.0.0.6)" in code page 936
    EXPECT_EQ(WindowTextBytes(hWnd), "Orbavel (\xBA\xD0\xD7\xD3\xB0\xE6\xB1\xBE:1.0.0.6)");

    EXPECT_EQ(ClientOf(hWnd).cx, 1000);
    EXPECT_EQ(ClientOf(hWnd).cy, 660);
    DWORD style = static_cast<DWORD>(::GetWindowLongA(hWnd, GWL_STYLE));
    EXPECT_EQ(style & (WS_DLGFRAME | WS_SYSMENU | WS_MINIMIZEBOX),
              DWORD(WS_DLGFRAME | WS_SYSMENU | WS_MINIMIZEBOX));
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0u);
    EXPECT_TRUE(::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(::GetMenu(hWnd), nullptr);

    RECT rcWindow;
    ::GetWindowRect(hWnd, &rcWindow);
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    ::GetMonitorInfoA(::MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &mi);
    EXPECT_NEAR((rcWindow.left + rcWindow.right) / 2, (mi.rcWork.left + mi.rcWork.right) / 2, 1);
    EXPECT_NEAR((rcWindow.top + rcWindow.bottom) / 2, (mi.rcWork.top + mi.rcWork.bottom) / 2, 1);
}

TEST_F(Launcher, TheHeadPictureAddsItsHeightAndTheSizeCannotBeChanged) {
    WriteHeadPicture(m_folder, 41);
    LauncherProcess launcher(m_folder.Path());
    HWND hWnd = launcher.WaitForWindow();
    ASSERT_NE(hWnd, nullptr);
    EXPECT_EQ(ClientOf(hWnd).cx, 1000);
    EXPECT_EQ(ClientOf(hWnd).cy, 701);

    ::SetWindowPos(hWnd, nullptr, 0, 0, 700, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageA(hWnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_EQ(ClientOf(hWnd).cx, 1000);
    EXPECT_EQ(ClientOf(hWnd).cy, 701);
    // the view covers the whole client area
    HWND hView = View(hWnd);
    ASSERT_NE(hView, nullptr);
    RECT rcView;
    ::GetWindowRect(hView, &rcView);
    EXPECT_EQ(rcView.right - rcView.left, 1000);
    EXPECT_EQ(rcView.bottom - rcView.top, 701);
}

TEST_F(Launcher, MalformedHeadPicturesLeaveTheLauncherRunningWithoutAHead) {
    std::vector<uint8_t> good = BmpBuilder().File();
    BmpBuilder lying;  // claims 5000 rows, holds 12 bytes of pixels
    lying.height = 5000;
    lying.pixelBytes = 12;
    BmpBuilder huge;
    huge.width = huge.height = 30000;
    huge.bitCount = 1;
    huge.pixelBytes = 64;
    BmpBuilder colours;
    colours.bitCount = 8;
    colours.clrUsed = 0x7FFFFFFF;
    colours.tableEntries = 4;
    BmpBuilder header;
    header.headerSize = 0xFFFFFFF0;
    const std::vector<std::vector<uint8_t>> files = {
        std::vector<uint8_t>(good.begin(), good.begin() + 20), lying.File(), huge.File(),
        colours.File(), header.File()};
    for (const auto& file : files) {
        m_folder.Write("Platform\\WorkspaceHead.bmp", file);
        LauncherProcess launcher(m_folder.Path());
        HWND hWnd = launcher.WaitForWindow();
        ASSERT_NE(hWnd, nullptr) << file.size();
        EXPECT_EQ(ClientOf(hWnd).cy, 660);
        PumpUntil([] { return false; }, 300);
        EXPECT_TRUE(launcher.Running());
        ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
        EXPECT_TRUE(launcher.WaitForExit(10000));
    }
}

TEST_F(Launcher, ASecondStartEndsAtOnceWithoutAWindow) {
    LauncherProcess first(m_folder.Path());
    HWND hFirst = first.WaitForWindow();
    ASSERT_NE(hFirst, nullptr);

    LauncherProcess second(m_folder.Path());
    ASSERT_TRUE(second.Started());
    bool sawWindow = false;
    bool ended = PumpUntil(
        [&] {
            sawWindow = sawWindow || FindProcessWindow(second.Id(), "SkylarkFrameWnd");
            return !second.Running();
        },
        5000);
    EXPECT_TRUE(ended);
    EXPECT_FALSE(sawWindow);
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(::IsWindowVisible(hFirst));
}

TEST_F(Launcher, AnyRecordIsAnsweredMinusTwoAndNeverEndsTheLauncher) {
    LauncherProcess launcher(m_folder.Path());
    HWND hWnd = launcher.WaitForWindow();
    ASSERT_NE(hWnd, nullptr);
    std::vector<uint8_t> data(64 * 1024);
    srand(11);
    for (int round = 0; round < 40; round++) {
        for (uint8_t& b : data) b = static_cast<uint8_t>(rand());
        DWORD size =
            round < 20 ? static_cast<DWORD>(round) : static_cast<DWORD>(rand() % data.size());
        if (round == 39) size = static_cast<DWORD>(data.size());
        ASSERT_EQ(SendCopyData(hWnd, data.data(), size), -2) << "size " << size;
    }
    EXPECT_EQ(SendCopyData(hWnd, nullptr, 0), -2);
    uint8_t ready[12] = {0, 0, 0, 0, 0, 0, 0, 0, 8};
    EXPECT_EQ(SendCopyData(hWnd, ready, sizeof(ready)), -2);
    EXPECT_TRUE(launcher.Running());
    EXPECT_TRUE(::IsWindowVisible(hWnd));
}

TEST_F(Launcher, TheAboutBoxOpensOverTheWindowAndCloses) {
    LauncherProcess launcher(m_folder.Path());
    HWND hWnd = launcher.WaitForWindow();
    ASSERT_NE(hWnd, nullptr);
    ::PostMessageA(hWnd, WM_COMMAND, kAppAbout, 0);
    HWND hAbout = nullptr;
    ASSERT_TRUE(PumpUntil([&] {
        hAbout = FindProcessWindow(launcher.Id(), "#32770");
        return hAbout && ::IsWindowVisible(hAbout);
    }));
    EXPECT_EQ(WindowTextBytes(hAbout), "\xB9\xD8\xD3\xDA Skylark");  // "关于 Skylark"
    EXPECT_FALSE(::IsWindowEnabled(hWnd)) << "modal over the main window";
    ::PostMessageA(hAbout, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(hAbout); }));
    EXPECT_TRUE(::IsWindowEnabled(hWnd));
    EXPECT_TRUE(launcher.Running());
}

TEST_F(Launcher, NewAndOpenLeaveTheWindowTheTabsAndTheGameAsTheyWere) {
    WriteGameSettings();
    m_folder.Write("notes.txt", "not a document");
    LauncherProcess launcher(m_folder.Path(), "notes.txt");  // a file on the command line, too
    HWND hWnd = launcher.WaitForWindow();
    ASSERT_NE(hWnd, nullptr);
    const std::string title = WindowTextBytes(hWnd);
    const HWND hView = View(hWnd);
    ASSERT_NE(hView, nullptr);
    ASSERT_EQ(title.rfind("Orbavel (", 0), 0u);
    const std::vector<HWND> pages = Pages(hWnd);
    EXPECT_EQ(pages.size(), 3u);

    ::SendMessageA(hWnd, WM_COMMAND, kFileNew, 0);  // as Ctrl+N
    EXPECT_EQ(WindowTextBytes(hWnd), title);
    EXPECT_EQ(View(hWnd), hView);

    ::PostMessageA(hWnd, WM_COMMAND, kFileOpen, 0);  // as Ctrl+O: the open dialog comes up
    HWND hDialog = nullptr;
    ASSERT_TRUE(PumpUntil([&] {
        hDialog = FindProcessWindow(launcher.Id(), "#32770");
        return hDialog && ::IsWindowVisible(hDialog);
    }));
    HWND hName = ::GetDlgItem(hDialog, 0x47C);  // the file name box
    if (::GetDlgItem(hName, 1001)) hName = ::GetDlgItem(hName, 1001);
    ASSERT_NE(hName, nullptr);
    std::string chosen = m_folder / "notes.txt";
    ::SendMessageA(hName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(chosen.c_str()));
    ::PostMessageA(hDialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(hDialog); }));

    // the game page starts the game once: the document's view is not made again
    PumpUntil([] { return false; }, 300);
    EXPECT_TRUE(launcher.Running());
    EXPECT_EQ(WindowTextBytes(hWnd), title);
    EXPECT_EQ(View(hWnd), hView);
    EXPECT_EQ(Pages(hWnd), pages);
    EXPECT_EQ(ClientOf(hWnd).cx, 1000);
    ASSERT_TRUE(PumpUntil([&] { return !GameLogLines("\"event\":\"start\"").empty(); }));
    EXPECT_EQ(GameLogLines("\"event\":\"start\"").size(), 1u);
}

TEST_F(Launcher, TellsTheReadyGameItIsAliveEveryFiveSecondsAndThatItCloses) {
    WriteHeadPicture(m_folder, 40);  // the strip as high as its tabs
    WriteGameSettings("ready_delay_ms=1500\r\n");
    LauncherProcess launcher(m_folder.Path());
    HWND hWnd = launcher.WaitForWindow();
    ASSERT_NE(hWnd, nullptr);
    const uint32_t h = HandleWord(hWnd);
    EXPECT_FALSE(::IsWindowEnabled(Strip(hWnd))) << "the tabs wait for the game";

    std::string ready = GameLog().WaitForText("\"event\":\"ready\"");
    ASSERT_FALSE(ready.empty());
    EXPECT_NE(ready.find("\"answer\":-2"), std::string::npos) << ready;
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowEnabled(Strip(hWnd)) != FALSE; }));

    ASSERT_TRUE(PumpUntil([&] { return !GameRecords(3).empty(); }, 20000)) << "no keep-alive";
    const DWORD first = ::GetTickCount();
    EXPECT_EQ(GameRecords(3).front(), (std::vector<uint32_t>{h, 0, 3, 32, 0, 0, 0, 0}));
    ASSERT_TRUE(PumpUntil([&] { return GameRecords(3).size() >= 2; }, 20000));
    const DWORD gap = ::GetTickCount() - first;
    EXPECT_GT(gap, 4000u);
    EXPECT_LT(gap, 9000u);

    ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
    ASSERT_TRUE(launcher.WaitForExit(10000));
    auto closing = GameRecords(2);
    ASSERT_EQ(closing.size(), 1u);
    EXPECT_EQ(closing.front(), (std::vector<uint32_t>{h, 0, 2, 52, 0, 0, 0, 0, h, 2, 0, 0, 0}));
    EXPECT_TRUE(PumpUntil([] { return !::FindWindowA("QOVEXPLATFORM", nullptr); }))
        << "the demo game leaves with the launcher";
}

TEST_F(Launcher, EndsWithinAKeepAliveWhenTheGamesWindowGoesAway) {
    // the game leaves after the first keep-alive has found its window
    WriteGameSettings("ready_delay_ms=200\r\nexit_after_ms=7000\r\n");
    LauncherProcess launcher(m_folder.Path());
    ASSERT_NE(launcher.WaitForWindow(), nullptr);
    ASSERT_TRUE(PumpUntil([] { return ::FindWindowA("QOVEXPLATFORM", nullptr) != nullptr; }));
    ASSERT_TRUE(PumpUntil([] { return !::FindWindowA("QOVEXPLATFORM", nullptr); }, 15000));
    const DWORD gone = ::GetTickCount();
    ASSERT_EQ(GameRecords(3).size(), 1u);
    // the next keep-alive, 5 s after the first, finds the window gone
    EXPECT_TRUE(launcher.WaitForExit(15000));
    EXPECT_LT(::GetTickCount() - gone, 7000u);
}

TEST_F(Launcher, EndsWhenTheGameRefusesTheKeepAlive) {
    WriteGameSettings("ready_delay_ms=200\r\nanswer_zero=3\r\nexit_on_close=0\r\n");
    LauncherProcess launcher(m_folder.Path());
    ASSERT_NE(launcher.WaitForWindow(), nullptr);
    EXPECT_TRUE(launcher.WaitForExit(20000));
    EXPECT_EQ(GameRecords(3).size(), 1u);
    EXPECT_TRUE(GameRecords(2).empty()) << "a launcher that quits this way sends no closing record";
}

TEST_F(Launcher, TellsTheGameWhenItLosesAndRegainsTheForeground) {
    WriteGameSettings("ready_delay_ms=200\r\n");
    LauncherProcess launcher(m_folder.Path());
    HWND hWnd = launcher.WaitForWindow();
    ASSERT_NE(hWnd, nullptr);
    // the launcher knows the game's window once it has sent it the first record
    ASSERT_TRUE(PumpUntil([&] { return !GameRecords(5).empty(); }, 20000));

    HWND hOther = ::CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                    nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::SetForegroundWindow(hOther);
    EXPECT_FALSE(GameLog().WaitForText("\"event\":\"activateapp\",\"wParam\":0").empty());
    ::SetForegroundWindow(hWnd);
    EXPECT_FALSE(GameLog().WaitForText("\"event\":\"activateapp\",\"wParam\":1").empty());
    ::DestroyWindow(hOther);
}

}  // namespace
