#include "MarkList.h"

#include <gtest/gtest.h>

#include <ostream>

std::ostream& operator<<(std::ostream& os, const PixelRect& r);

namespace {

uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) {
    return r << 16 | g << 8 | b;
}

TEST(MarkList, AMosaicShowsEachBlocksMeanAndABlockCutByTheSelectionTakesWhatRemains) {
    // every pixel tells where it is: red 10x, green 10y, blue x + y
    std::vector<uint32_t> pixels;
    for (uint32_t y = 0; y < 16; y++) {
        for (uint32_t x = 0; x < 24; x++) pixels.push_back(Rgb(10 * x, 10 * y, x + y));
    }
    MarkList marks;
    marks.SetPicture({pixels.data(), 24, 16});
    const PixelRect selection = {2, 3, 19, 13};
    struct Case {
        TrackPoint press, release;
        TrackPoint at;
        uint32_t mean;
    } cases[] = {
        {{5, 4}, {30, 20}, {5, 4}, Rgb(85, 75, 16)},      // whole: x 5-12, y 4-11
        {{5, 4}, {30, 20}, {18, 11}, Rgb(155, 75, 23)},   // x 13-18: cut by the right edge
        {{5, 4}, {30, 20}, {13, 12}, Rgb(155, 120, 28)},  // and the bottom: 165 / 6 rounded
        // drawn up and left: the blocks lie from the press, cut by the top edge
        {{18, 12}, {1, 1}, {10, 3}, Rgb(135, 30, 17)},
        {{18, 12}, {1, 1}, {2, 11}, Rgb(55, 75, 13)},
    };
    for (const Case& c : cases) {
        marks.Begin(MarkMosaic, {}, c.press, selection);
        marks.End(c.release);
        const Mark& mosaic = marks.Marks().back();
        const PixelRect area = mosaic.Area();
        ASSERT_EQ(mosaic.pixels.size(), static_cast<size_t>(area.Width() * area.Height()));
        EXPECT_EQ(mosaic.pixels[(c.at.y - area.top) * area.Width() + c.at.x - area.left], c.mean)
            << c.at.x << "," << c.at.y;
    }
}

TEST(ArrowShapeFor, PutsTheTipAtTheEndAndAHeadAsWideAsHalfItsLengthAcross) {
    struct Case {
        TrackPoint from, to;
        int32_t width;
        ArrowShape shape;
    } cases[] = {
        {{10, 50}, {110, 50}, 2, {{94, 50}, {{110, 50}, {94, 58}, {94, 42}}}},
        {{0, 0}, {30, 40}, 4, {{17, 22}, {{30, 40}, {8, 29}, {26, 16}}}},
        {{0, 0}, {10, 0}, 6, {{0, 0}, {{10, 0}, {0, 5}, {0, -5}}}},  // shorter than a head
    };
    auto corners = [](const ArrowShape& s) {
        return std::vector<int32_t>{s.shaftEnd.x, s.shaftEnd.y, s.head[0].x, s.head[0].y,
                                    s.head[1].x,  s.head[1].y,  s.head[2].x, s.head[2].y};
    };
    for (const Case& c : cases) {
        EXPECT_EQ(corners(ArrowShapeFor(c.from, c.to, c.width)), corners(c.shape)) << c.to.x;
    }
}

TEST(MarkList, UndoTakesTheMarksOffLastFirstDownToNoneAndAClickDrawsNothing) {
    MarkList marks;
    const PixelRect selection = {0, 0, 200, 100};
    marks.Begin(MarkRectangle, {0xFF, 2}, {10, 10}, selection);
    marks.DragTo({30, 20});
    marks.End({40, 30});
    marks.Begin(MarkPen, {0xFF, 4}, {50, 50}, selection);
    marks.DragTo({60, 52});
    // a pen's stroke repaints only itself, without erasing what was drawn
    const MarkList::Change stroke = marks.DragTo({70, 60});
    EXPECT_EQ(stroke.area, (PixelRect{56, 48, 75, 65}));
    EXPECT_FALSE(stroke.bErase);
    marks.End({70, 60});

    marks.Begin(MarkArrow, {0xFF, 2}, {150, 90}, selection);  // cut by the selection
    marks.End({190, 150});
    marks.Begin(MarkArrow, {0xFF, 2}, {5, 5}, selection);
    marks.End({5, 5});  // a click
    ASSERT_EQ(marks.Marks().size(), 3u);

    const PixelRect expected[] = {{148, 88, 193, 100}, {46, 46, 75, 65}, {10, 10, 40, 30}};
    for (const PixelRect& area : expected) {
        const MarkList::Change undone = marks.Undo();
        EXPECT_EQ(undone.area, area);
        EXPECT_TRUE(undone.bErase);
    }
    EXPECT_TRUE(marks.Empty());
    EXPECT_EQ(marks.Undo().area, PixelRect{});
}

}  // namespace
