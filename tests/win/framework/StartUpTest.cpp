// A program whose start-up fails ends with the framework's message and a failure code.
#include <gtest/gtest.h>

#include <string>

#include "ChildProcess.h"
#include "MessageBoxText.h"
#include "MessagePump.h"
#include "ProcessWindow.h"
#include "WinePath.h"

namespace {

// Starts the failing program, answers its message box and gives its exit code.
DWORD RunFailingStart(const std::string& arguments, const std::wstring& message) {
    const std::string exe = WinePath(FAILING_START_EXE);
    const size_t slash = exe.rfind('\\');
    ChildProcess app(exe.substr(0, slash), exe.substr(slash + 1), arguments);
    EXPECT_TRUE(app.Started());
    // the box is made first and filled in as it initialises: wait for its text and caption
    HWND hBox = nullptr;
    char caption[64] = {};
    EXPECT_TRUE(PumpUntil([&] {
        hBox = FindProcessWindow(app.Id(), "#32770");
        if (!hBox) return false;
        ::GetWindowTextA(hBox, caption, sizeof(caption));
        return MessageBoxText(hBox) == message && std::string(caption) == "FailingStart";
    })) << arguments;
    EXPECT_STREQ(caption, "FailingStart");
    if (hBox) ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(app.WaitForExit(10000));
    return app.ExitCode();
}

TEST(StartUp, AnExceptionOrAMainWindowThatCannotBeMadeEndsWithAMessageAndAFailureCode) {
    EXPECT_EQ(RunFailingStart("", L"程序内部出错，即将退出。"), static_cast<DWORD>(-1));
    EXPECT_EQ(RunFailingStart("/noframe", L"无法创建主窗口，程序即将退出。"),
              static_cast<DWORD>(-1));
}

}  // namespace
