#include "MessagePump.h"
#include "Records.h"
#include "RunningGame.h"

#include <gtest/gtest.h>

TEST(DemoGameExit, AfterTheGivenTime) {
    RunningGame game({"log=1", "never_ready=1", "exit_after_ms=1000"});
    ASSERT_NE(game.window(), nullptr);
    EXPECT_TRUE(game.process().WaitForExit(15000));
    EXPECT_GE(GetTickCount() - game.process().StartTick(), 900u);
    EXPECT_EQ(game.log().WaitForText("\"event\":\"exit\""),
              "{\"event\":\"exit\",\"reason\":\"exit-after\"}");
    EXPECT_FALSE(IsWindow(game.window()));
}

TEST(DemoGameExit, WhenTheLauncherCloses) {
    RunningGame game({"log=1", "never_ready=1"});
    ASSERT_NE(game.window(), nullptr);
    auto closing = Records::make(nullptr, 2, 52);
    closing[9] = 2;
    EXPECT_EQ(Records::send(game.window(), closing), -2);
    EXPECT_TRUE(game.process().WaitForExit(15000));
    EXPECT_EQ(game.log().WaitForText("\"event\":\"exit\""),
              "{\"event\":\"exit\",\"reason\":\"launcher-closing\"}");
}

TEST(DemoGameExit, NotWhenTheLauncherClosesIfToldSo) {
    RunningGame game({"never_ready=1", "exit_on_close=0"});
    ASSERT_NE(game.window(), nullptr);
    EXPECT_EQ(Records::send(game.window(), Records::make(nullptr, 2, 52)), -2);
    EXPECT_EQ(Records::send(game.window(), Records::make(nullptr, 3, 32)), -2);
    EXPECT_FALSE(game.process().WaitForExit(300));
    EXPECT_TRUE(IsWindow(game.window()));
}
