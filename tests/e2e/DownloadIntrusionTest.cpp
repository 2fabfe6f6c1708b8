// Another program sends the launcher's download window the registered download
// messages with pointers that mean nothing there, or lead to huge and unterminated
// strings planted in the launcher's memory: every one is answered 0 and the
// launcher runs on as before.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "DownloadIntrusion.h"
#include "LauncherProcess.h"
#include "TestSupport.h"

namespace {

BOOL CALLBACK MatchDownloadControl(HWND hWnd, LPARAM lParam) {
    if (::GetDlgCtrlID(hWnd) != 1027) return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

std::string TextOf(HWND hWnd) {
    char text[256] = {};
    ::GetWindowTextA(hWnd, text, sizeof(text));
    return text;
}

}  // namespace

TEST(LauncherDownloadWindow, AnswersAnotherProgramsPointersWithZeroAndRunsOn) {
    ScratchFolder folder("skylark-e2e-download");
    ASSERT_TRUE(folder.Copy(WinePath(SKYLARK_EXE), "Skylark.exe"));
    ASSERT_TRUE(folder.Copy(WinePath(ORBAVEL_EXE), "Orbavel.exe"));
    LauncherProcess launcher(folder.Path());
    HWND hWnd = launcher.WaitForWindow();
    ASSERT_NE(hWnd, nullptr);
    HWND hDownload = nullptr;
    ::EnumChildWindows(hWnd, &MatchDownloadControl, reinterpret_cast<LPARAM>(&hDownload));
    if (!hDownload) GTEST_SKIP() << "the launcher's form has no download control 1027";
    const std::string before = TextOf(hDownload);

    DownloadIntrusion intrusion = RunDownloadIntruder(folder, hDownload, launcher.Id());
    ASSERT_TRUE(intrusion.ran);
    EXPECT_EQ(intrusion.sent, 6 * 9);
    EXPECT_EQ(intrusion.nonzero, 0);
    EXPECT_EQ(intrusion.unanswered, 0);

    EXPECT_TRUE(launcher.Running());
    EXPECT_EQ(TextOf(hDownload), before);
    DWORD_PTR result = 0;
    EXPECT_TRUE(::SendMessageTimeoutA(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result));
    ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(launcher.WaitForExit(10000));
}
