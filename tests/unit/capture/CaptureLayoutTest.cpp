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

TEST(PositionBoxRect, StandsAboveRightOfThePointerUnlessAnEdgeIsTooNear) {
    // label 60 wide, lines 12 high: the box is 72 high
    EXPECT_EQ(PositionBoxRect({500, 400}, 60, 12, 1280), (PixelRect{503, 325, 563, 397}));
    EXPECT_EQ(PositionBoxRect({500, 72}, 60, 12, 1280), (PixelRect{503, 75, 563, 147}));
    EXPECT_EQ(PositionBoxRect({500, 73}, 60, 12, 1280), (PixelRect{503, -2, 563, 70}));
    EXPECT_EQ(PositionBoxRect({1220, 400}, 60, 12, 1280), (PixelRect{1157, 325, 1217, 397}));
    EXPECT_EQ(PositionBoxRect({1219, 400}, 60, 12, 1280), (PixelRect{1222, 325, 1282, 397}));
    EXPECT_EQ(PositionBoxRect({1270, 5}, 60, 12, 1280), (PixelRect{1207, 8, 1267, 80}));
}

}  // namespace
