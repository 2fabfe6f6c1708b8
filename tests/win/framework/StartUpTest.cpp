// A program whose start-up raises ends with the framework's message and exit code.
#include <gtest/gtest.h>

#include <string>

#include "ChildProcess.h"
#include "MessageBoxText.h"
#include "MessagePump.h"
#include "ProcessWindow.h"
#include "WinePath.h"

namespace {

// "程序内部出错，即将退出。" in code page 936
const char kFailureText[] =
    "\xB3\xCC\xD0\xF2\xC4\xDA\xB2\xBF\xB3\xF6\xB4\xED"
    "\xA3\xAC\xBC\xB4\xBD\xAB\xCD\xCB\xB3\xF6\xA1\xA3";

TEST(StartUp, AnExceptionFromInitInstanceEndsWithTheFrameworksMessageAndExitCode) {
    const std::string exe = WinePath(FAILING_START_EXE);
    const size_t slash = exe.rfind('\\');
    ChildProcess app(exe.substr(0, slash), exe.substr(slash + 1));
    ASSERT_TRUE(app.Started());
    // the box is made first and filled in as it initialises: wait for its text and caption
    HWND hBox = nullptr;
    std::string text;
    char caption[64] = {};
    EXPECT_TRUE(PumpUntil([&] {
        hBox = FindProcessWindow(app.Id(), "#32770");
        if (!hBox) return false;
        text = MessageBoxText(hBox);
        ::GetWindowTextA(hBox, caption, sizeof(caption));
        return text == kFailureText && std::string(caption) == "FailingStart";
    }));
    EXPECT_EQ(text, kFailureText);
    EXPECT_STREQ(caption, "FailingStart");
    ASSERT_TRUE(hBox);
    ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(app.WaitForExit(10000));
    EXPECT_EQ(app.ExitCode(), static_cast<DWORD>(-1));
}

}  // namespace
