#include "ToolbarPlacement.h"

namespace {

// from the selection's edge: clear of the tracker's handles, which stand across it
const int32_t kGap = 6;

// moved the least along each axis to lie within the bounds, its top-left first
PixelRect KeepWithin(PixelRect r, const PixelRect& bounds) {
    int32_t dx = 0, dy = 0;
    if (r.right > bounds.right) dx = bounds.right - r.right;
    if (r.left + dx < bounds.left) dx = bounds.left - r.left;
    if (r.bottom > bounds.bottom) dy = bounds.bottom - r.bottom;
    if (r.top + dy < bounds.top) dy = bounds.top - r.top;
    return r.Offset(dx, dy);
}

}  // namespace

PixelRect PlaceToolbar(const PixelRect& selection, TrackSize size, const ScreenLayout& screen) {
    const PixelRect sel = selection.Normalized();
    const PixelRect monitor = screen.MonitorAt({sel.right - 1, sel.bottom - 1});
    int32_t right = sel.right, top;
    if (sel.bottom + kGap + size.cy <= monitor.bottom) {
        top = sel.bottom + kGap;
    } else if (sel.top - kGap - size.cy >= monitor.top) {
        top = sel.top - kGap - size.cy;
    } else {
        right = sel.right - kGap;
        top = sel.bottom - kGap - size.cy;
    }
    return KeepWithin({right - size.cx, top, right, top + size.cy}, monitor);
}
