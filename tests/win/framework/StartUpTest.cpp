// A program whose start-up raises ends with the framework's message and exit code.
#include <gtest/gtest.h>

#include <string>

#include "ChildProcess.h"
#include "MessagePump.h"
#include "ProcessWindow.h"
#include "WinePath.h"

namespace {

BOOL CALLBACK FindFailureText(HWND hWnd, LPARAM lParam) {
    wchar_t text[64] = {};
    ::GetWindowTextW(hWnd, text, 64);
    if (std::wstring(text) == L"程序内部出错，即将退出。") *reinterpret_cast<bool*>(lParam) = true;
    return TRUE;
}

TEST(StartUp, AnExceptionFromInitInstanceEndsWithTheFrameworksMessageAndExitCode) {
    const std::string exe = WinePath(FAILING_START_EXE);
    const size_t slash = exe.rfind('\\');
    ChildProcess app(exe.substr(0, slash), exe.substr(slash + 1));
    ASSERT_TRUE(app.Started());
    // the box is made first and filled in as it initialises: wait for its text and caption
    HWND hBox = nullptr;
    bool bFailureText = false;
    char caption[64] = {};
    EXPECT_TRUE(PumpUntil([&] {
        hBox = FindProcessWindow(app.Id(), "#32770");
        if (!hBox) return false;
        ::EnumChildWindows(hBox, &FindFailureText, reinterpret_cast<LPARAM>(&bFailureText));
        ::GetWindowTextA(hBox, caption, sizeof(caption));
        return bFailureText && std::string(caption) == "FailingStart";
    }));
    EXPECT_TRUE(bFailureText);
    EXPECT_STREQ(caption, "FailingStart");
    ASSERT_TRUE(hBox);
    ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(app.WaitForExit(10000));
    EXPECT_EQ(app.ExitCode(), static_cast<DWORD>(-1));
}

}  // namespace
