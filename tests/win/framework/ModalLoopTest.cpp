// A message loop of our own inside a handler.
#include <gtest/gtest.h>

#include "CModalLoop.h"
#include "TestWindow.h"

namespace {

TEST(ModalLoop, AQuitEndsTheLoopWithItsCodeAndIsPostedAgainAndTheOwnerIsEnabledAgain) {
    CWnd owner;
    ASSERT_TRUE(CreateTestWindow(owner));
    int nMessagesSeen = 0;
    {
        CModalLoop loop(owner);
        EXPECT_FALSE(::IsWindowEnabled(owner));
        ::PostMessageA(owner, WM_NULL, 0, 0);
        ::PostQuitMessage(9);
        EXPECT_FALSE(loop.Run([&] { return ++nMessagesSeen > 5; }));
        EXPECT_EQ(loop.GetExitCode(), 9);
    }
    EXPECT_EQ(nMessagesSeen, 2);  // the quit ended it, not the condition
    EXPECT_TRUE(::IsWindowEnabled(owner));
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 9u);
}

}  // namespace
