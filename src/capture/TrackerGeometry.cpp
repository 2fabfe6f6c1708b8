#include "TrackerGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace {

using Side = TrackerGeometry::Side;

// Where each handle (hit codes 0-7) is placed from, and the handle that takes its
// place when the rectangle is inverted along an axis.
struct HandleInfo {
    Side xFrom, yFrom;
    int centreX, centreY;
    int shiftX, shiftY;
    int mirrorX, mirrorY;
};

constexpr HandleInfo kHandles[8] = {
    {Side::SideLeft, Side::SideTop, 0, 0, 0, 0, 1, 3},
    {Side::SideRight, Side::SideTop, 0, 0, -1, 0, 0, 2},
    {Side::SideRight, Side::SideBottom, 0, 0, -1, -1, 3, 1},
    {Side::SideLeft, Side::SideBottom, 0, 0, 0, -1, 2, 0},
    {Side::SideLeft, Side::SideTop, 1, 0, 0, 0, 4, 6},
    {Side::SideRight, Side::SideTop, 0, 1, -1, 0, 7, 5},
    {Side::SideLeft, Side::SideBottom, 1, 0, 0, -1, 6, 4},
    {Side::SideLeft, Side::SideTop, 0, 1, 0, 0, 5, 7},
};

// The side that stays while a side is dragged, and the direction the minimum size
// is measured in from it.
struct MinimumRule {
    Side opposite;
    int sign;
};

MinimumRule RuleFor(Side changed) {
    switch (changed) {
        case Side::SideLeft:
            return {Side::SideRight, +1};
        case Side::SideTop:
            return {Side::SideBottom, +1};
        case Side::SideRight:
            return {Side::SideLeft, -1};
        default:
            return {Side::SideTop, -1};
    }
}

// Any bit of this mask places the handles across the frame line; the launcher's
// styles use only StyleCentredHandles of it.
constexpr unsigned kCentredHandlesMask = 0xF4240;

bool IsHandle(int nHandle) {
    return nHandle >= HitTopLeft && nHandle <= HitLeft;
}

// One axis of the minimum-size rule: extent is the signed width or height.
void EnforceMinimum(PixelRect& rect, Side target, int32_t extent, int32_t minimum, bool invert) {
    if (target == Side::SideNone) return;
    int32_t a = invert ? std::abs(extent) : extent;
    if (a >= minimum) return;
    int32_t d = a != 0 ? extent / a : 1;
    MinimumRule rule = RuleFor(target);
    TrackerGeometry::Coordinate(rect, target) =
        TrackerGeometry::Coordinate(rect, rule.opposite) - rule.sign * minimum * d;
}

}  // namespace

int32_t& TrackerGeometry::Coordinate(PixelRect& rect, Side side) {
    switch (side) {
        case SideLeft:
            return rect.left;
        case SideTop:
            return rect.top;
        case SideRight:
            return rect.right;
        default:
            return rect.bottom;
    }
}

TrackerGeometry::Side TrackerGeometry::XTarget(int nHandle) {
    if (!IsHandle(nHandle) || kHandles[nHandle].mirrorX == nHandle) return SideNone;
    return kHandles[nHandle].xFrom;
}

TrackerGeometry::Side TrackerGeometry::YTarget(int nHandle) {
    if (!IsHandle(nHandle) || kHandles[nHandle].mirrorY == nHandle) return SideNone;
    return kHandles[nHandle].yFrom;
}

void TrackerGeometry::AdjustRect(int nHandle, PixelRect& rect) const {
    if (nHandle == HitMiddle) return;
    EnforceMinimum(rect, XTarget(nHandle), rect.Width(), m_sizeMin.cx, m_bAllowInvert);
    EnforceMinimum(rect, YTarget(nHandle), rect.Height(), m_sizeMin.cy, m_bAllowInvert);
}

unsigned TrackerGeometry::GetHandleMask() const {
    unsigned mask = 0x0F;
    if (std::abs(m_rect.Width()) - 3 * m_nHandleSize > 4) mask |= 0x50;
    if (std::abs(m_rect.Height()) - 3 * m_nHandleSize > 4) mask |= 0xA0;
    return mask;
}

int32_t TrackerGeometry::GetHandleSize(const PixelRect* pRect) const {
    int32_t size = m_nHandleSize;
    if (m_nStyle & StyleResizeOutside) return size;
    const PixelRect& rect = pRect ? *pRect : m_rect;
    int32_t m = std::min(std::abs(rect.Width()), std::abs(rect.Height()));
    return 2 * size > m ? m / 2 : size;
}

PixelRect TrackerGeometry::GetTrueRect() const {
    int32_t n = 0;
    if (m_nStyle & (StyleResizeOutside | StyleHatchedBorder)) n = GetHandleSize() - 1;
    if (m_nStyle & (StyleSolidLine | StyleDottedLine)) n += 1;
    return m_rect.Normalized().Inflated(n);
}

int TrackerGeometry::MirrorHandle(int nHandle) const {
    if (!IsHandle(nHandle)) return nHandle;
    if (m_rect.Width() < 0) nHandle = kHandles[nHandle].mirrorX;
    if (m_rect.Height() < 0) nHandle = kHandles[nHandle].mirrorY;
    return nHandle;
}

PixelRect TrackerGeometry::GetHandleRect(int nHandle) const {
    PixelRect r = m_rect.Normalized();
    if (m_nStyle & (StyleSolidLine | StyleDottedLine)) r = r.Inflated(1);
    const HandleInfo& h = kHandles[MirrorHandle(nHandle)];
    int32_t s = GetHandleSize();
    if (m_nStyle & StyleResizeOutside) {
        r = r.Inflated((m_nStyle & kCentredHandlesMask) ? s - s / 2 - 1 : s - 1);
    }
    int32_t x = Coordinate(r, h.xFrom) + s * h.shiftX + h.centreX * (r.Width() - s) / 2;
    int32_t y = Coordinate(r, h.yFrom) + s * h.shiftY + h.centreY * (r.Height() - s) / 2;
    return {x, y, x + s, y + s};
}

int TrackerGeometry::HitTestHandles(TrackPoint point) const {
    unsigned mask = GetHandleMask();
    if (!GetTrueRect().Contains(point.x, point.y)) return HitNothing;
    for (int i = HitTopLeft; i <= HitLeft; i++) {
        if ((mask & (1u << i)) && GetHandleRect(i).Contains(point.x, point.y)) return i;
    }
    if (m_nStyle & StyleHatchedBorder) return HitMiddle;
    return m_rect.Normalized().Inflated(1).Contains(point.x, point.y) ? HitMiddle : HitNothing;
}

int TrackerGeometry::HitTest(TrackPoint point) const {
    if (!GetTrueRect().Contains(point.x, point.y)) return HitNothing;
    if (m_nStyle & (StyleResizeInside | StyleResizeOutside)) return HitTestHandles(point);
    return HitMiddle;
}

TrackerGeometry::Drag TrackerGeometry::BeginDrag(int nHandle, TrackPoint press) const {
    Drag drag;
    drag.hit = nHandle;
    drag.size = {m_rect.Width(), m_rect.Height()};
    int nTargets = nHandle == HitMiddle ? HitTopLeft : nHandle;
    drag.xTarget = XTarget(nTargets);
    drag.yTarget = YTarget(nTargets);
    PixelRect r = m_rect;
    int32_t xRef =
        drag.xTarget != SideNone ? Coordinate(r, drag.xTarget) : r.left + std::abs(r.Width()) / 2;
    int32_t yRef =
        drag.yTarget != SideNone ? Coordinate(r, drag.yTarget) : r.top + std::abs(r.Height()) / 2;
    drag.offset = {press.x - xRef, press.y - yRef};
    return drag;
}

void TrackerGeometry::DragTo(const Drag& drag, TrackPoint point) {
    if (drag.xTarget != SideNone) Coordinate(m_rect, drag.xTarget) = point.x - drag.offset.x;
    if (drag.yTarget != SideNone) Coordinate(m_rect, drag.yTarget) = point.y - drag.offset.y;
    if (drag.hit == HitMiddle) {
        m_rect.right = m_rect.left + drag.size.cx;
        m_rect.bottom = m_rect.top + drag.size.cy;
    }
    AdjustRect(drag.hit, m_rect);
}

int32_t TrackerGeometry::SaneHandleSize(int32_t nSize) {
    return nSize < 1 ? 1 : nSize > 32 ? 32 : nSize;
}
