#include "GameStartText.h"

#include <gtest/gtest.h>

namespace {

TEST(GameStartText, ArgumentsFollowThePathUnquotedBeforeTheHandOffWords) {
    EXPECT_EQ(BuildGameParameters({"C:\\games\\Skylark.exe"}),
              " HideWindows LauncherShellExecuteGame");
    EXPECT_EQ(BuildGameParameters({}), " HideWindows LauncherShellExecuteGame");
    EXPECT_EQ(BuildGameParameters({"Skylark.exe", "-x", "y z", ""}),
              " -x y z  HideWindows LauncherShellExecuteGame");
}

TEST(GameStartText, EachKnownFailureHasItsReasonAndOthersNone) {
    EXPECT_EQ(GameStartFailureMessage(0), "游戏启动失败:内存不足.");
    EXPECT_EQ(GameStartFailureMessage(2), "游戏启动失败:文件名错误.(找不到Orbavel.exe文件)");
    EXPECT_EQ(GameStartFailureMessage(3), "游戏启动失败:路径名错误.(找不到Orbavel.exe文件)");
    EXPECT_EQ(GameStartFailureMessage(11), "游戏启动失败:文件(Orbavel.exe)无效.");
    EXPECT_EQ(GameStartFailureMessage(5), "游戏启动失败");
    EXPECT_EQ(GameStartFailureMessage(32), "游戏启动失败");
}

}  // namespace
