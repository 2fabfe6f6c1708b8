// The arithmetic of the selection tracker: where its handles lie, what a point
// hits, the minimum size and how a drag moves the rectangle. Portable: no
// <windows.h>; the window side (drawing, pointers, the mouse loop) wraps it.
#pragma once

#include <cstdint>

#include "PixelRect.h"

struct TrackPoint {
    int32_t x = 0;
    int32_t y = 0;
};

struct TrackSize {
    int32_t cx = 0;
    int32_t cy = 0;
};

enum TrackerStyle : unsigned {
    StyleSolidLine = 0x01,
    StyleDottedLine = 0x02,
    StyleHatchedBorder = 0x04,
    StyleResizeInside = 0x08,
    StyleResizeOutside = 0x10,
    StyleHatchInside = 0x20,
    StyleCentredHandles = 0x40,
};

enum TrackerHit : int {
    HitNothing = -1,
    HitTopLeft = 0,
    HitTopRight = 1,
    HitBottomRight = 2,
    HitBottomLeft = 3,
    HitTop = 4,
    HitRight = 5,
    HitBottom = 6,
    HitLeft = 7,
    HitMiddle = 8,
};

class TrackerGeometry {
public:
    // a side of a rectangle that a handle moves; SideNone: the handle does not move that axis
    enum Side { SideNone = -1, SideLeft, SideTop, SideRight, SideBottom };

    // What a drag started at a point changes, and by how much the pointer is off it.
    struct Drag {
        int hit = HitNothing;
        Side xTarget = SideNone;
        Side yTarget = SideNone;
        TrackPoint offset;  // press point minus the reference values
        TrackSize size;     // the stored size when the drag began (signed)
    };

    explicit TrackerGeometry(int32_t nHandleSize)
        : m_sizeMin{2 * nHandleSize, 2 * nHandleSize}, m_nHandleSize(nHandleSize) {}
    virtual ~TrackerGeometry() = default;

    unsigned m_nStyle = 0;
    PixelRect m_rect;
    TrackSize m_sizeMin;
    int32_t m_nHandleSize;
    bool m_bAllowInvert = false;

    // Enforces the minimum size on the sides the handle changes.
    virtual void AdjustRect(int nHandle, PixelRect& rect) const;
    // bit i set: handle i exists
    virtual unsigned GetHandleMask() const;
    // the handle size for a rectangle (null: m_rect)
    virtual int32_t GetHandleSize(const PixelRect* pRect = nullptr) const;

    // everything the tracker may draw, handles included
    PixelRect GetTrueRect() const;
    int HitTest(TrackPoint point) const;
    int HitTestHandles(TrackPoint point) const;
    PixelRect GetHandleRect(int nHandle) const;
    // The handle drawn where handle nHandle of a normal rectangle is: the code after
    // mirroring along each axis in which m_rect is inverted.
    int MirrorHandle(int nHandle) const;

    Drag BeginDrag(int nHandle, TrackPoint press) const;
    // Moves the drag's targets to the point and enforces the minimum size.
    void DragTo(const Drag& drag, TrackPoint point);

    // A handle size read from the player's profile, held to 1-32 pixels: sizes that
    // cannot be drawn or would overflow the arithmetic above are not taken as given.
    static int32_t SaneHandleSize(int32_t nSize);

    static Side XTarget(int nHandle);
    static Side YTarget(int nHandle);
    static int32_t& Coordinate(PixelRect& rect, Side side);
};
