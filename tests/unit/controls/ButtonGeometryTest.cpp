#include <gtest/gtest.h>

#include "ButtonGeometry.h"

namespace {

const PixelRect kItem = {0, 0, 80, 40};

void ExpectRect(const PixelRect& rc, int left, int top, int right, int bottom) {
    EXPECT_EQ(rc.left, left);
    EXPECT_EQ(rc.top, top);
    EXPECT_EQ(rc.right, right);
    EXPECT_EQ(rc.bottom, bottom);
}

TEST(ButtonGeometry, AnIconBesideACaptionTakesItsPlaceFromIt) {
    IconLayout left = PlaceIcon(kItem, 16, 16, IconLeft, true, false);
    ExpectRect(left.icon, 3, 12, 19, 28);
    ExpectRect(left.caption, 19, 0, 80, 40);

    IconLayout above = PlaceIcon(kItem, 16, 16, IconAbove, true, false);
    ExpectRect(above.icon, 32, 3, 48, 19);
    ExpectRect(above.caption, 0, 16, 80, 40);

    IconLayout right = PlaceIcon(kItem, 16, 16, IconRight, true, false);
    ExpectRect(right.icon, 61, 12, 77, 28);
    ExpectRect(right.caption, 3, 0, 61, 40);
}

TEST(ButtonGeometry, AnIconWithoutCaptionIsCentredAndPressedButtonsShiftIt) {
    ExpectRect(PlaceIcon(kItem, 16, 16, IconLeft, false, false).icon, 32, 12, 48, 28);
    ExpectRect(PlaceIcon(kItem, 16, 16, IconAbove, false, false).icon, 32, 12, 48, 28);
    // right-aligned without caption keeps the item's top
    ExpectRect(PlaceIcon(kItem, 16, 16, IconRight, false, false).icon, 32, 0, 48, 16);
    ExpectRect(PlaceIcon(kItem, 16, 16, IconLeft, false, true).icon, 33, 13, 49, 29);
}

TEST(ButtonGeometry, ImageButtonsShowNormalHoverAndPressedCellsButNeverTheSecond) {
    EXPECT_EQ(ImageCell(false, false), 0);
    EXPECT_EQ(ImageCell(false, true), 2);
    EXPECT_EQ(ImageCell(true, false), 3);
    EXPECT_EQ(ImageCell(true, true), 3);
}

}  // namespace
