// A mark drawn over the capture's frozen picture, and the shapes its kinds are made
// of: the rectangle's outline, the arrow's head and the mosaic's blocks. Portable: no
// <windows.h>; the overlay's painters only draw them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "TrackerGeometry.h"

enum MarkKind : int { MarkNone = -1, MarkRectangle, MarkArrow, MarkPen, MarkMosaic };

struct MarkStyle {
    uint32_t colour = 0;  // as the system's colour values: 0x00BBGGRR
    int32_t width = 0;    // of the line, in pixels
};

struct Mark {
    MarkKind kind = MarkNone;
    MarkStyle style;
    PixelRect clip;                  // the selection it was drawn in: nothing shows outside it
    std::vector<TrackPoint> points;  // the press, then the pen's every point or the drag's end
    std::vector<uint32_t> pixels;    // a mosaic's: Area() in 0x00RRGGBB rows from the top

    // from the press to the last point, normalised (the point itself lies outside)
    PixelRect Dragged() const;
    // what a mosaic covers: the dragged rectangle within the clip
    PixelRect Area() const;
    // every pixel the mark may change: what a repaint must cover
    PixelRect Bounds() const;
    // a click without a drag shows nothing
    bool ShowsSomething() const;
};

// The pixels of a picture, 0x00RRGGBB rows from the top.
struct PictureView {
    const uint32_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
};

const int32_t kMosaicBlock = 8;

// The area (within the picture) as blocks of kMosaicBlock pixels square laid from the
// origin, each the rounded mean colour of the picture's pixels of that block inside
// the area, so that a block cut by the area's edge takes the colour of what remains.
std::vector<uint32_t> MosaicPixels(const PictureView& picture, const PixelRect& area,
                                   TrackPoint origin);

// An arrow from one point to another: a line of the width to the head's base, and a
// triangle as head with its tip at the end, scaled down on an arrow shorter than it.
struct ArrowShape {
    TrackPoint shaftEnd;
    TrackPoint head[3];  // the tip, then the base's two corners
};
ArrowShape ArrowShapeFor(TrackPoint from, TrackPoint to, int32_t width);

// the smallest rectangle holding the points' pixels, grown by n on every side
PixelRect Around(const TrackPoint* points, std::size_t nCount, int32_t n);
PixelRect Intersect(const PixelRect& a, const PixelRect& b);
// the smallest rectangle holding both; an empty one adds nothing
PixelRect Union(const PixelRect& a, const PixelRect& b);
