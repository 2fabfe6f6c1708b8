#include "MessagePump.h"
#include "Records.h"
#include "RunningGame.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::vector<std::string> kQuiet = {"never_ready=1", "exit_on_close=0"};

}  // namespace

TEST(DemoGameWindow, ExistsWithItsClassAndTitleAndStaysHidden) {
    RunningGame game(kQuiet);
    ASSERT_NE(game.window(), nullptr);
    char title[64] = {};
    GetWindowTextA(game.window(), title, sizeof(title));
    EXPECT_STREQ(title, "Orbavel");
    EXPECT_FALSE(IsWindowVisible(game.window()));
    EXPECT_EQ(GetParent(game.window()), nullptr);
}

TEST(DemoGameWindow, IsShownWhenStartedWithAShowCommand) {
    RunningGame game(kQuiet, RunningGame::kHandOff, SW_SHOWNORMAL);
    ASSERT_NE(game.window(), nullptr);
    // shown once the game has made it, which a busy machine lets it finish later
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(game.window()) != FALSE; }));
}

TEST(DemoGameAnswers, EveryLauncherRecordWithMinusTwo) {
    RunningGame game(kQuiet);
    ASSERT_NE(game.window(), nullptr);
    EXPECT_EQ(Records::send(game.window(), Records::make(nullptr, 3, 32)), -2);
    EXPECT_EQ(Records::send(game.window(), Records::make(nullptr, 9, 84)), -2);
    EXPECT_EQ(Records::send(game.window(), Records::make(nullptr, 5, 52)), -2);
    EXPECT_EQ(Records::send(game.window(), Records::make(nullptr, 2, 52)), -2);
    EXPECT_EQ(Records::send(game.window(), Records::make(nullptr, 4242, 16)), -2);
}

TEST(DemoGameAnswers, NullShortAndLargeDataWithoutCrashing) {
    RunningGame game(kQuiet);
    ASSERT_NE(game.window(), nullptr);
    const std::vector<unsigned char> bytes(64 * 1024, 0xAB);
    EXPECT_EQ(Records::sendBytes(game.window(), nullptr, 0), -2);
    EXPECT_EQ(Records::sendBytes(game.window(), bytes.data(), 0), -2);
    EXPECT_EQ(Records::sendBytes(game.window(), bytes.data(), 1), -2);
    EXPECT_EQ(Records::sendBytes(game.window(), bytes.data(), 11), -2);
    EXPECT_EQ(Records::sendBytes(game.window(), bytes.data(), 12), -2);
    EXPECT_EQ(Records::sendBytes(game.window(), bytes.data(), 43), -2);
    EXPECT_EQ(Records::sendBytes(game.window(), bytes.data(), 64 * 1024), -2);
    EXPECT_EQ(Records::send(game.window(), Records::make(nullptr, 3, 32)), -2);
}

TEST(DemoGameAnswers, ZeroToTheCodesItIsToldTo) {
    RunningGame game({"never_ready=1", "answer_zero=3, 9"});
    ASSERT_NE(game.window(), nullptr);
    EXPECT_EQ(Records::send(game.window(), Records::make(nullptr, 3, 32)), 0);
    EXPECT_EQ(Records::send(game.window(), Records::make(nullptr, 9, 84)), 0);
    EXPECT_EQ(Records::send(game.window(), Records::make(nullptr, 5, 52)), -2);
}

TEST(DemoGameAnswers, LateToTheDelayedCodesOnly) {
    RunningGame game({"never_ready=1", "answer_delay_ms=700", "delay_codes=3"});
    ASSERT_NE(game.window(), nullptr);
    DWORD start = GetTickCount();
    EXPECT_EQ(Records::send(game.window(), Records::make(nullptr, 3, 32)), -2);
    EXPECT_GE(GetTickCount() - start, 650u);
    start = GetTickCount();
    EXPECT_EQ(Records::send(game.window(), Records::make(nullptr, 9, 84)), -2);
    EXPECT_LT(GetTickCount() - start, 650u);
}

TEST(DemoGameAnswers, LateToEveryCodeWhenNoCodesAreListed) {
    RunningGame game({"never_ready=1", "answer_delay_ms=500"});
    ASSERT_NE(game.window(), nullptr);
    DWORD start = GetTickCount();
    EXPECT_EQ(Records::send(game.window(), Records::make(nullptr, 9, 84)), -2);
    EXPECT_GE(GetTickCount() - start, 450u);
}

TEST(DemoGameAnswers, StillAfterARecordTooLargeToArrive) {
    RunningGame game(kQuiet);
    ASSERT_NE(game.window(), nullptr);
    // Larger than the receiving thread's stack: the system cannot deliver it.
    const std::vector<unsigned char> huge(3 * 1024 * 1024, 0x5A);
    Records::sendBytes(game.window(), huge.data(), static_cast<DWORD>(huge.size()), 3000);
    EXPECT_EQ(Records::send(game.window(), Records::make(nullptr, 3, 32)), -2);
}
