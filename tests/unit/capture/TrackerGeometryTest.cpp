#include "TrackerGeometry.h"

#include <gtest/gtest.h>

#include <ostream>

std::ostream& operator<<(std::ostream& os, const PixelRect& r) {
    return os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

namespace {

// the overlay's style: solid frame, handles outside and across the frame line
constexpr unsigned kOverlayStyle = StyleSolidLine | StyleResizeOutside | StyleCentredHandles;

TrackerGeometry Tracker(unsigned style, PixelRect rect) {
    TrackerGeometry t(4);
    t.m_nStyle = style;
    t.m_rect = rect;
    return t;
}

TrackPoint Centre(const PixelRect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST(TrackerGeometry, PlacesEveryHandleAndHitsItForEachHandleStyle) {
    struct Case {
        unsigned style;
        PixelRect outer;
        PixelRect handles[8];
    } cases[] = {
        {kOverlayStyle,
         {96, 96, 204, 164},
         {{98, 98, 102, 102},
          {198, 98, 202, 102},
          {198, 158, 202, 162},
          {98, 158, 102, 162},
          {148, 98, 152, 102},
          {198, 128, 202, 132},
          {148, 158, 152, 162},
          {98, 128, 102, 132}}},
        {StyleSolidLine | StyleResizeOutside,
         {96, 96, 204, 164},
         {{96, 96, 100, 100},
          {200, 96, 204, 100},
          {200, 160, 204, 164},
          {96, 160, 100, 164},
          {148, 96, 152, 100},
          {200, 128, 204, 132},
          {148, 160, 152, 164},
          {96, 128, 100, 132}}},
        {StyleSolidLine | StyleResizeInside,
         {99, 99, 201, 161},
         {{99, 99, 103, 103},
          {197, 99, 201, 103},
          {197, 157, 201, 161},
          {99, 157, 103, 161},
          {148, 99, 152, 103},
          {197, 128, 201, 132},
          {148, 157, 152, 161},
          {99, 128, 103, 132}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style);
        TrackerGeometry t = Tracker(c.style, {100, 100, 200, 160});
        EXPECT_EQ(t.GetTrueRect(), c.outer);
        for (int i = HitTopLeft; i <= HitLeft; i++) {
            EXPECT_EQ(t.GetHandleRect(i), c.handles[i]) << "handle " << i;
            EXPECT_EQ(t.HitTest(Centre(c.handles[i])), i) << "handle " << i;
        }
        EXPECT_EQ(t.HitTest({150, 130}), HitMiddle);
        EXPECT_EQ(t.HitTest({99, 115}), HitMiddle) << "on the frame line";
        EXPECT_EQ(t.HitTest({c.outer.right, 130}), HitNothing);
        EXPECT_EQ(t.HitTest({150, c.outer.top - 1}), HitNothing);
    }
    // inside the outer rectangle but beyond the frame and off the handles
    EXPECT_EQ(Tracker(kOverlayStyle, {100, 100, 200, 160}).HitTest({97, 115}), HitNothing);
    // a hatched border counts as the middle, and without handles everything inside does
    EXPECT_EQ(
        Tracker(StyleHatchedBorder | StyleResizeOutside, {100, 100, 200, 160}).HitTest({97, 115}),
        HitMiddle);
    EXPECT_EQ(Tracker(StyleSolidLine, {100, 100, 200, 160}).HitTest({99, 99}), HitMiddle);
}

TEST(TrackerGeometry, MiddleHandlesNeedSidesLongerThanSixteenPixels) {
    EXPECT_EQ(Tracker(kOverlayStyle, {0, 0, 16, 16}).GetHandleMask(), 0x0Fu);
    EXPECT_EQ(Tracker(kOverlayStyle, {0, 0, 17, 16}).GetHandleMask(), 0x5Fu);
    EXPECT_EQ(Tracker(kOverlayStyle, {0, 0, 16, 17}).GetHandleMask(), 0xAFu);
    EXPECT_EQ(Tracker(kOverlayStyle, {17, 17, 0, 0}).GetHandleMask(), 0xFFu);
    // a missing handle is not hit: the top middle of a 16-pixel-wide rectangle is the frame
    TrackerGeometry narrow = Tracker(kOverlayStyle, {100, 100, 116, 160});
    EXPECT_EQ(narrow.HitTest({107, 99}), HitMiddle);
}

TEST(TrackerGeometry, HandlesInsideShrinkForSmallRectanglesOutsideOnesNever) {
    EXPECT_EQ(Tracker(StyleResizeInside, {0, 0, 6, 40}).GetHandleSize(), 3);
    EXPECT_EQ(Tracker(StyleResizeInside, {0, 0, 8, 40}).GetHandleSize(), 4);
    EXPECT_EQ(Tracker(StyleResizeInside, {40, 0, 0, -5}).GetHandleSize(), 2);
    EXPECT_EQ(Tracker(StyleResizeOutside, {0, 0, 2, 2}).GetHandleSize(), 4);
}

TEST(TrackerGeometry, AnInvertedRectangleKeepsItsDrawnHandlesAndHitsTheirOwnCodes) {
    TrackerGeometry normal = Tracker(kOverlayStyle, {100, 100, 200, 160});
    TrackerGeometry flippedX = Tracker(kOverlayStyle, {200, 100, 100, 160});
    TrackerGeometry flippedBoth = Tracker(kOverlayStyle, {200, 160, 100, 100});
    EXPECT_EQ(flippedBoth.GetTrueRect(), normal.GetTrueRect());
    const int expectX[8] = {1, 0, 3, 2, 4, 7, 6, 5};
    const int expectBoth[8] = {2, 3, 0, 1, 6, 7, 4, 5};
    for (int i = HitTopLeft; i <= HitLeft; i++) {
        TrackPoint drawn = Centre(normal.GetHandleRect(i));
        EXPECT_EQ(flippedX.HitTest(drawn), expectX[i]) << "handle drawn as " << i;
        EXPECT_EQ(flippedBoth.HitTest(drawn), expectBoth[i]) << "handle drawn as " << i;
        // the pointer shows the arrow of where the handle is drawn
        EXPECT_EQ(flippedX.MirrorHandle(expectX[i]), i);
        EXPECT_EQ(flippedBoth.MirrorHandle(expectBoth[i]), i);
    }
}

TEST(TrackerGeometry, WhereHandlesOverlapTheLowerCodeWins) {
    TrackerGeometry tiny = Tracker(kOverlayStyle, {100, 100, 102, 102});
    EXPECT_EQ(tiny.HitTest({101, 101}), HitTopLeft);
    EXPECT_EQ(tiny.HitTest({102, 99}), HitTopRight);
    EXPECT_EQ(tiny.HitTest({102, 102}), HitBottomRight);
    EXPECT_EQ(tiny.HitTest({99, 103}), HitBottomLeft);
}

PixelRect Dragged(TrackerGeometry t, int handle, TrackPoint from, TrackPoint to) {
    TrackerGeometry::Drag drag = t.BeginDrag(handle, from);
    t.DragTo(drag, to);
    return t.m_rect;
}

TEST(TrackerGeometry, DraggingEachHandleMovesItsSidesAndKeepsTheMinimumSize) {
    struct Case {
        int handle;
        TrackPoint from, to;
        bool invert;
        PixelRect expect;
    } cases[] = {
        // each handle, an ordinary drag (pressed one pixel off the side)
        {HitTopLeft, {99, 99}, {89, 79}, true, {90, 80, 200, 160}},
        {HitTopRight, {201, 99}, {221, 89}, true, {100, 90, 220, 160}},
        {HitBottomRight, {201, 161}, {251, 191}, true, {100, 100, 250, 190}},
        {HitBottomLeft, {99, 161}, {49, 171}, true, {50, 100, 200, 170}},
        {HitTop, {150, 99}, {170, 119}, true, {100, 120, 200, 160}},
        {HitRight, {201, 130}, {181, 150}, true, {100, 100, 180, 160}},
        {HitBottom, {150, 161}, {10, 141}, true, {100, 100, 200, 140}},
        {HitLeft, {99, 130}, {119, 10}, true, {120, 100, 200, 160}},
        // too near the opposite side: the minimum of 8 with the side's own sign
        {HitRight, {201, 130}, {105, 130}, true, {100, 100, 108, 160}},
        {HitRight, {201, 130}, {95, 130}, true, {100, 100, 92, 160}},
        {HitRight, {201, 130}, {101, 130}, true, {100, 100, 108, 160}},
        {HitLeft, {99, 130}, {195, 130}, true, {192, 100, 200, 160}},
        {HitLeft, {99, 130}, {205, 130}, true, {208, 100, 200, 160}},
        {HitTop, {150, 99}, {150, 158}, true, {100, 152, 200, 160}},
        {HitBottom, {150, 161}, {150, 97}, true, {100, 100, 200, 92}},
        {HitTopLeft, {99, 99}, {203, 163}, true, {208, 168, 200, 160}},
        // past the opposite side: allowed inverted, held at the minimum otherwise
        {HitRight, {201, 130}, {81, 130}, true, {100, 100, 80, 160}},
        {HitRight, {201, 130}, {81, 130}, false, {100, 100, 108, 160}},
        {HitBottomLeft, {99, 161}, {301, 41}, false, {192, 100, 200, 108}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "handle " << c.handle << " to " << c.to.x << ","
                                        << c.to.y << (c.invert ? " inverting" : ""));
        TrackerGeometry t = Tracker(kOverlayStyle, {100, 100, 200, 160});
        t.m_bAllowInvert = c.invert;
        EXPECT_EQ(Dragged(t, c.handle, c.from, c.to), c.expect);
    }
}

TEST(TrackerGeometry, MovingKeepsTheSizeTheRectangleHadWhenTheDragBegan) {
    TrackerGeometry t = Tracker(kOverlayStyle, {100, 100, 200, 160});
    EXPECT_EQ(Dragged(t, HitMiddle, {150, 130}, {10, 20}), (PixelRect{-40, -10, 60, 50}));
    TrackerGeometry inverted = Tracker(kOverlayStyle, {200, 160, 100, 100});
    EXPECT_EQ(Dragged(inverted, HitMiddle, {150, 130}, {140, 120}), (PixelRect{190, 150, 90, 90}));
    // no minimum applies to a move, however small the rectangle
    TrackerGeometry tiny = Tracker(kOverlayStyle, {100, 100, 104, 104});
    EXPECT_EQ(Dragged(tiny, HitMiddle, {102, 102}, {112, 102}), (PixelRect{110, 100, 114, 104}));
}

TEST(TrackerGeometry, AdjustRectLeavesSidesTheHandleDoesNotMove) {
    TrackerGeometry t = Tracker(kOverlayStyle, {0, 0, 0, 0});
    t.m_bAllowInvert = true;
    PixelRect r = {100, 100, 102, 103};
    t.AdjustRect(HitTop, r);
    EXPECT_EQ(r, (PixelRect{100, 95, 102, 103})) << "only the top moves";
    t.AdjustRect(HitMiddle, r);
    EXPECT_EQ(r, (PixelRect{100, 95, 102, 103}));
    t.AdjustRect(HitBottomRight, r);
    EXPECT_EQ(r, (PixelRect{100, 95, 108, 103}));
}

TEST(TrackerGeometry, AHandleSizeFromTheProfileIsHeldToOneToThirtyTwoPixels) {
    EXPECT_EQ(TrackerGeometry::SaneHandleSize(4), 4);
    EXPECT_EQ(TrackerGeometry::SaneHandleSize(0), 1);
    EXPECT_EQ(TrackerGeometry::SaneHandleSize(-7), 1);
    EXPECT_EQ(TrackerGeometry::SaneHandleSize(33), 32);
    EXPECT_EQ(TrackerGeometry::SaneHandleSize(0x7FFFFFFF), 32);
}

}  // namespace
