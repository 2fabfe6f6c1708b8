#include "CaptureLayout.h"

#include <gtest/gtest.h>

#include <ostream>

std::ostream& operator<<(std::ostream& os, const PixelRect& r);

namespace {

TEST(ClampToScreen, NormalisesAndClampsAndTellsWhenNothingIsLeft) {
    EXPECT_EQ(ClampToScreen({300, 200, 100, 50}, 1280, 1024), (PixelRect{100, 50, 300, 200}));
    EXPECT_EQ(ClampToScreen({-30, -20, 100, 50}, 1280, 1024), (PixelRect{0, 0, 100, 50}));
    EXPECT_EQ(ClampToScreen({1200, 1000, 1400, 1100}, 1280, 1024),
              (PixelRect{1200, 1000, 1280, 1024}));
    EXPECT_FALSE(IsEmptyArea(ClampToScreen({1279, 1023, 1400, 1100}, 1280, 1024)));
    // wholly off the screen, on any side: nothing is left
    EXPECT_TRUE(IsEmptyArea(ClampToScreen({1300, 10, 1400, 100}, 1280, 1024)));
    EXPECT_TRUE(IsEmptyArea(ClampToScreen({1280, 10, 1400, 100}, 1280, 1024)));
    EXPECT_TRUE(IsEmptyArea(ClampToScreen({-200, 10, -100, 100}, 1280, 1024)));
    EXPECT_TRUE(IsEmptyArea(ClampToScreen({10, -100, 100, 0}, 1280, 1024)));
    EXPECT_TRUE(IsEmptyArea(ClampToScreen({10, 1100, 100, 1200}, 1280, 1024)));
    EXPECT_TRUE(IsEmptyArea(ClampToScreen({10, 10, 10, 100}, 1280, 1024)));
}

TEST(PositionBoxRect, StandsAboveRightOfThePointerUnlessAnEdgeOfItsMonitorIsTooNear) {
    // label 60 wide, lines 12 high: the box is 72 high
    const PixelRect primary = {0, 0, 1280, 1024};
    EXPECT_EQ(PositionBoxRect({500, 400}, 60, 12, primary), (PixelRect{503, 325, 563, 397}));
    EXPECT_EQ(PositionBoxRect({500, 72}, 60, 12, primary), (PixelRect{503, 75, 563, 147}));
    EXPECT_EQ(PositionBoxRect({500, 73}, 60, 12, primary), (PixelRect{503, -2, 563, 70}));
    EXPECT_EQ(PositionBoxRect({1220, 400}, 60, 12, primary), (PixelRect{1157, 325, 1217, 397}));
    EXPECT_EQ(PositionBoxRect({1219, 400}, 60, 12, primary), (PixelRect{1222, 325, 1282, 397}));
    EXPECT_EQ(PositionBoxRect({1270, 5}, 60, 12, primary), (PixelRect{1207, 8, 1267, 80}));
    // on a monitor left of and above the primary one, near its top-right corner
    const PixelRect left = {-1024, -200, 0, 568};
    EXPECT_EQ(PositionBoxRect({-30, -150}, 60, 12, left), (PixelRect{-93, -147, -33, -75}));
    EXPECT_EQ(PositionBoxRect({-300, 100}, 60, 12, left), (PixelRect{-297, 25, -237, 97}));
}

TEST(ScreenLayout, TheInfoBoxKeepsTheTopCornersOfTheMonitorThePointerIsOn) {
    const ScreenLayout screen = {{-1024, -200, 2304, 1024},
                                 {{0, 0, 1280, 1024}, {1280, 0, 2304, 768}, {-1024, -200, 0, 568}}};
    struct Case {
        TrackPoint pointer;
        bool bOnRight;
        TrackPoint corner;
    } cases[] = {
        {{1279, 1023}, true, {1100, 10}},
        {{1280, 0}, false, {1290, 10}},
        {{-1, -200}, true, {-180, -190}},
        // shown by no monitor: the nearest one's
        {{2000, 900}, false, {1290, 10}},
        {{1200, -100}, false, {10, 10}},
    };
    for (const Case& c : cases) {
        TrackPoint corner = InfoBoxCorner(screen.MonitorAt(c.pointer), c.bOnRight);
        EXPECT_EQ(corner.x, c.corner.x) << c.pointer.x << "," << c.pointer.y;
        EXPECT_EQ(corner.y, c.corner.y) << c.pointer.x << "," << c.pointer.y;
    }
    // without a known monitor: the virtual screen's
    const ScreenLayout unknown = {{0, 0, 800, 600}, {}};
    EXPECT_EQ(unknown.MonitorAt({5000, 5}), (PixelRect{0, 0, 800, 600}));
}

}  // namespace
