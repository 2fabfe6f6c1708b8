#include "MessagePump.h"
#include "ProcessWindow.h"
#include "Records.h"
#include "RunningGame.h"
#include "TestWindow.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> kLogging = {"log=1", "never_ready=1"};
const DWORD kPageStyle = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;

// The game's window inside the page, or null.
HWND viewIn(HWND page, const RunningGame& game) {
    return FindProcessWindow(game.process().Id(), nullptr, page);
}

bool fills(HWND view, HWND page, int width, int height) {
    RECT client{};
    GetClientRect(view, &client);
    POINT origin{0, 0};
    MapWindowPoints(view, page, &origin, 1);
    return GetParent(view) == page && client.right == width && client.bottom == height &&
           origin.x == 0 && origin.y == 0 && IsWindowVisible(view);
}

bool waitForView(HWND page, const RunningGame& game, int width, int height) {
    return PumpUntil([&] {
        HWND view = viewIn(page, game);
        return view && fills(view, page, width, height);
    });
}

}  // namespace

TEST(DemoGameView, AppearsInThePageAtTheGivenSize) {
    TestWindow page("SkylarkTestPage", kPageStyle, {40, 40, 840, 640});
    RunningGame game(kLogging);
    ASSERT_NE(game.window(), nullptr);
    ASSERT_EQ(Records::send(game.window(), Records::pageGeometry(nullptr, page.handle(), 640, 480)),
              -2);
    EXPECT_TRUE(waitForView(page.handle(), game, 640, 480));
    EXPECT_NE(game.log().WaitForText("{\"event\":\"view\",\"action\":\"created\",\"page\":" +
                                     std::to_string(Records::handleWord(page.handle())) +
                                     ",\"width\":640,\"height\":480,"),
              "");
}

TEST(DemoGameView, FollowsTheSize) {
    TestWindow page("SkylarkTestPage", kPageStyle, {40, 40, 840, 640});
    RunningGame game(kLogging);
    ASSERT_NE(game.window(), nullptr);
    ASSERT_EQ(Records::send(game.window(), Records::pageGeometry(nullptr, page.handle(), 640, 480)),
              -2);
    ASSERT_TRUE(waitForView(page.handle(), game, 640, 480));
    HWND first = viewIn(page.handle(), game);
    ASSERT_EQ(Records::send(game.window(), Records::pageGeometry(nullptr, page.handle(), 700, 500)),
              -2);
    EXPECT_TRUE(waitForView(page.handle(), game, 700, 500));
    EXPECT_EQ(viewIn(page.handle(), game), first);
    EXPECT_NE(game.log().WaitForText("\"action\":\"resized\""), "");
}

TEST(DemoGameView, MovesToANewPage) {
    TestWindow oldPage("SkylarkTestPage", kPageStyle, {40, 40, 840, 640});
    TestWindow newPage("SkylarkTestPage", kPageStyle, {100, 100, 600, 500});
    RunningGame game(kLogging);
    ASSERT_NE(game.window(), nullptr);
    ASSERT_EQ(
        Records::send(game.window(), Records::pageGeometry(nullptr, oldPage.handle(), 640, 480)),
        -2);
    ASSERT_TRUE(waitForView(oldPage.handle(), game, 640, 480));
    ASSERT_EQ(
        Records::send(game.window(), Records::pageGeometry(nullptr, newPage.handle(), 400, 300)),
        -2);
    EXPECT_TRUE(waitForView(newPage.handle(), game, 400, 300));
    EXPECT_TRUE(PumpUntil([&] { return viewIn(oldPage.handle(), game) == nullptr; }));
    EXPECT_NE(game.log().WaitForText("\"action\":\"recreated\""), "");
}

TEST(DemoGameView, IgnoresAPageThatIsNoWindow) {
    RunningGame game(kLogging);
    ASSERT_NE(game.window(), nullptr);
    auto record = Records::pageGeometry(nullptr, nullptr, 640, 480);
    record[8] = 0x00ABCDE0;
    EXPECT_EQ(Records::send(game.window(), record), -2);
    EXPECT_NE(game.log().WaitForText("\"action\":\"ignored\""), "");
    EXPECT_EQ(Records::send(game.window(), Records::make(nullptr, 3, 32)), -2);
}

TEST(DemoGameView, GoesAwayWithItsPage) {
    auto page = std::make_unique<TestWindow>("SkylarkTestPage", kPageStyle, RECT{40, 40, 840, 640});
    RunningGame game(kLogging);
    ASSERT_NE(game.window(), nullptr);
    HWND pageWindow = page->handle();
    ASSERT_EQ(Records::send(game.window(), Records::pageGeometry(nullptr, pageWindow, 640, 480)),
              -2);
    ASSERT_TRUE(waitForView(pageWindow, game, 640, 480));
    page.reset();
    // The game carries on and takes a new page.
    TestWindow next("SkylarkTestPage", kPageStyle, {40, 40, 840, 640});
    ASSERT_EQ(Records::send(game.window(), Records::pageGeometry(nullptr, next.handle(), 320, 200)),
              -2);
    EXPECT_TRUE(waitForView(next.handle(), game, 320, 200));
}
