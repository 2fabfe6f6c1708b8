#include "TabGeometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<PixelRect> PageFaces(int clientWidth, int count) {
    const int width = CalcTabWidth(clientWidth, count);
    std::vector<PixelRect> faces;
    for (int i = 0; i < count; i++) faces.push_back(PageTabFace(i, width, clientWidth, count));
    return faces;
}

TEST(TabGeometry, TheWidthIsSharedOutAfterTheReserveAndCapped) {
    EXPECT_EQ(CalcTabWidth(1000, 4), 120);
    EXPECT_EQ(CalcTabWidth(600, 6), 80);
    EXPECT_EQ(CalcTabWidth(1000, 0), 1);
    EXPECT_EQ(CalcTabWidth(120, 1), 1);  // nothing left: one pixel to share
    EXPECT_EQ(CalcTabWidth(100, 2), 0);
}

TEST(TabGeometry, FourTabsIn1000PixelsAreCentredForty) {
    const std::vector<PixelRect> expected = {
        {261, 0, 380, 40}, {381, 0, 500, 40}, {501, 0, 620, 40}, {621, 0, 740, 40}};
    const std::vector<PixelRect> faces = PageFaces(1000, 4);
    ASSERT_EQ(faces.size(), expected.size());
    for (size_t i = 0; i < faces.size(); i++) EXPECT_TRUE(faces[i] == expected[i]) << i;
}

TEST(TabGeometry, TheGenericFaceFillsTheHeightAndTheSelectedOneReachesLower) {
    EXPECT_TRUE(AnyTabFace(2, 80, 32, false) == (PixelRect{161, 0, 240, 32}));
    EXPECT_TRUE(AnyTabFace(2, 80, 32, true) == (PixelRect{161, 0, 240, 33}));
}

TEST(TabGeometry, ARowWiderThanTheClientShiftsLeftByHalfTheExcessTowardZero) {
    // 3 tabs of 1 pixel in 101 pixels: offset (101 - 3) / 2 = 49
    EXPECT_TRUE(PageTabFace(0, 1, 101, 3) == (PixelRect{50, 0, 50, 40}));
    // 5 tabs of 1 pixel in 2 pixels: offset (2 - 5) / 2 = -1, not -2
    EXPECT_TRUE(PageTabFace(0, 1, 2, 5) == (PixelRect{0, 0, 0, 40}));
}

TEST(TabGeometry, AHitCountsInsideAFaceAndInsideTheClientHeight) {
    const std::vector<PixelRect> faces = PageFaces(1000, 4);
    EXPECT_EQ(HitTestFaces(faces.data(), 4, 40, 261, 0), 0);
    EXPECT_EQ(HitTestFaces(faces.data(), 4, 40, 379, 39), 0);
    EXPECT_EQ(HitTestFaces(faces.data(), 4, 40, 380, 10), -1);  // the gap between two faces
    EXPECT_EQ(HitTestFaces(faces.data(), 4, 40, 381, 10), 1);
    EXPECT_EQ(HitTestFaces(faces.data(), 4, 40, 739, 10), 3);
    EXPECT_EQ(HitTestFaces(faces.data(), 4, 40, 260, 10), -1);
    EXPECT_EQ(HitTestFaces(faces.data(), 4, 40, 300, 40), -1);
    // a strip lower than its tabs takes no hit below its own client area
    EXPECT_EQ(HitTestFaces(faces.data(), 4, 32, 300, 35), -1);
    EXPECT_EQ(HitTestFaces(faces.data(), 4, 40, 300, -1), -1);
    EXPECT_EQ(HitTestFaces(nullptr, 0, 40, 300, 10), -1);
}

}  // namespace
