// The workspace's leftover commands as a player meets them: Ctrl+V, which the
// frame's accelerators turn into a command of the workspace, shows nothing.
#include <gtest/gtest.h>

#include <string>

#include "LauncherFixture.h"
#include "LauncherProcess.h"
#include "ClipboardText.h"
#include "ScreenPicture.h"
#include "UserInput.h"
#include "WriteHeadPicture.h"

namespace {

const char kClipboardText[] = "skylark paste check";

ScreenPicture PictureOf(HWND hWnd) {
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    return ScreenPicture::FromScreen(rc);
}

// the window's picture once two looks in a row agree
ScreenPicture SettledPicture(HWND hWnd) {
    ScreenPicture last = PictureOf(hWnd);
    PumpUntil([&] {
        ::Sleep(100);  // between two looks, not a wait for an event
        ScreenPicture now = PictureOf(hWnd);
        const bool bSame = now.FirstDifference(last).empty();
        last = now;
        return bSame;
    });
    return last;
}

TEST_F(Launcher, CtrlVChangesNothingOnTheScreenOrTheClipboard) {
    WriteHeadPicture(m_folder, 40);  // the strip as high as its tabs
    WriteGameSettings("ready_delay_ms=200\r\n");
    LauncherProcess launcher(m_folder.Path());
    const HWND hFrame = launcher.WaitForWindow();
    ASSERT_NE(hFrame, nullptr);
    // ready: the strip is enabled and the game page has stopped animating
    ASSERT_TRUE(PumpUntil([&] { return ::IsWindowEnabled(Strip(hFrame)) != FALSE; }, 20000));
    ::SetForegroundWindow(hFrame);
    ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == hFrame; }));
    ASSERT_TRUE(PutTextOnClipboard(kClipboardText));
    const ScreenPicture before = SettledPicture(hFrame);

    PressKeys({VK_CONTROL, 'V'});
    DWORD_PTR result = 0;  // the keys have been handled once the launcher answers
    ASSERT_TRUE(::SendMessageTimeoutA(hFrame, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result));
    EXPECT_EQ(SettledPicture(hFrame).FirstDifference(before), "");
    EXPECT_EQ(ClipboardText(), kClipboardText);
    EXPECT_EQ(::GetForegroundWindow(), hFrame);
    EXPECT_TRUE(launcher.Running());
}

}  // namespace
