#include "MessagePump.h"
#include "Records.h"
#include "RunningGame.h"
#include "TestWindow.h"

#include <gtest/gtest.h>

namespace {

const RECT kSomewhere{0, 0, 300, 200};

std::vector<std::uint32_t> readyFrom(HWND game) {
    return {Records::handleWord(game), 0, 8, 16};
}

}  // namespace

TEST(DemoGameReady, ReachesTheLauncherFrameAfterTheDelay) {
    TestWindow frame("SkylarkFrameWnd", WS_OVERLAPPEDWINDOW, kSomewhere);
    RunningGame game({"log=1", "ready_delay_ms=1500"});
    ASSERT_NE(game.window(), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return !frame.received().empty(); }));
    const auto& ready = frame.received().front();
    EXPECT_GE(ready.tick - game.process().StartTick(), 1400u);
    EXPECT_EQ(ready.words, readyFrom(game.window()));
    EXPECT_EQ(ready.wParam, 0u);
    EXPECT_EQ(ready.dwData, 0u);
    EXPECT_EQ(ready.size, 16u);
    std::string line = game.log().WaitForText("\"event\":\"ready\"");
    EXPECT_EQ(
        line,
        "{\"event\":\"ready\",\"target\":" + std::to_string(Records::handleWord(frame.handle())) +
            ",\"sequence\":1,\"size\":16,\"code\":8,\"words\":[" +
            std::to_string(Records::handleWord(game.window())) + ",0,8,16],\"answer\":-2}");
}

TEST(DemoGameReady, WaitsForTheLauncherToAppear) {
    RunningGame game({"ready_delay_ms=0"});
    ASSERT_NE(game.window(), nullptr);
    TestWindow frame("SkylarkFrameWnd", WS_OVERLAPPEDWINDOW, kSomewhere);
    ASSERT_TRUE(PumpUntil([&] { return !frame.received().empty(); }));
    EXPECT_EQ(frame.received().front().words, readyFrom(game.window()));
}

TEST(DemoGameReady, GoesToTheSenderOfTheRecords) {
    TestWindow launcher("SkylarkTestLauncher", WS_OVERLAPPEDWINDOW, kSomewhere);
    RunningGame game({"ready_delay_ms=2000"});
    ASSERT_NE(game.window(), nullptr);
    ASSERT_EQ(Records::send(game.window(), Records::make(launcher.handle(), 3, 32)), -2);
    ASSERT_TRUE(PumpUntil([&] { return !launcher.received().empty(); }));
    EXPECT_EQ(launcher.received().front().words, readyFrom(game.window()));
}

TEST(DemoGameReady, RepeatsAsOftenAsTold) {
    TestWindow frame("SkylarkFrameWnd", WS_OVERLAPPEDWINDOW, kSomewhere);
    RunningGame game({"ready_delay_ms=0", "ready_count=3"});
    ASSERT_NE(game.window(), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return frame.received().size() >= 3; }));
    const auto& received = frame.received();
    EXPECT_GE(received[1].tick - received[0].tick, 80u);
    EXPECT_GE(received[2].tick - received[1].tick, 80u);
    EXPECT_FALSE(PumpUntil([&] { return frame.received().size() > 3; }, 600));
}

TEST(DemoGameReady, NeverComesWhenTold) {
    TestWindow frame("SkylarkFrameWnd", WS_OVERLAPPEDWINDOW, kSomewhere);
    RunningGame game({"ready_delay_ms=0", "never_ready=1"});
    ASSERT_NE(game.window(), nullptr);
    // Absence can only be shown by waiting: a ready record would have come
    // within a few hundred milliseconds.
    EXPECT_FALSE(PumpUntil([&] { return !frame.received().empty(); }, 1500));
}
