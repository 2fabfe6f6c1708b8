#include "Mark.h"

#include <algorithm>
#include <cmath>

#include "CaptureLayout.h"

namespace {

// where the block holding v begins, blocks being laid from the origin either way
int32_t BlockStart(int32_t v, int32_t origin) {
    const int32_t d = v - origin;
    return origin +
           (d >= 0 ? d / kMosaicBlock : -((kMosaicBlock - 1 - d) / kMosaicBlock)) * kMosaicBlock;
}

// rounded half away from zero
int32_t Nearest(double v) {
    return static_cast<int32_t>(v < 0 ? v - 0.5 : v + 0.5);
}

}  // namespace

PixelRect Mark::Dragged() const {
    const TrackPoint a = points.front(), b = points.back();
    return PixelRect{a.x, a.y, b.x, b.y}.Normalized();
}

PixelRect Mark::Area() const {
    return Intersect(Dragged(), clip);
}

PixelRect Mark::Bounds() const {
    PixelRect r = Area();
    if (kind == MarkPen) r = Around(points.data(), points.size(), style.width);
    if (kind == MarkArrow) {
        const ArrowShape arrow = ArrowShapeFor(points.front(), points.back(), style.width);
        const TrackPoint corners[] = {points.front(), arrow.head[0], arrow.head[1], arrow.head[2]};
        r = Around(corners, 4, style.width);
    }
    return Intersect(r, clip);
}

bool Mark::ShowsSomething() const {
    if (kind == MarkPen) return points.size() > 1;
    if (kind == MarkArrow)
        return points.front().x != points.back().x || points.front().y != points.back().y;
    return !IsEmptyArea(Area());
}

std::vector<uint32_t> MosaicPixels(const PictureView& picture, const PixelRect& area,
                                   TrackPoint origin) {
    const int32_t nWidth = area.Width();
    std::vector<uint32_t> out(IsEmptyArea(area) ? 0 : static_cast<size_t>(nWidth) * area.Height());
    if (out.empty()) return out;
    for (int32_t by = BlockStart(area.top, origin.y); by < area.bottom; by += kMosaicBlock) {
        const int32_t y0 = std::max(by, area.top), y1 = std::min(by + kMosaicBlock, area.bottom);
        for (int32_t bx = BlockStart(area.left, origin.x); bx < area.right; bx += kMosaicBlock) {
            const int32_t x0 = std::max(bx, area.left);
            const int32_t x1 = std::min(bx + kMosaicBlock, area.right);
            uint32_t sum[3] = {};
            for (int32_t y = y0; y < y1; y++) {
                for (int32_t x = x0; x < x1; x++) {
                    const uint32_t p = picture.pixels[static_cast<size_t>(y) * picture.width + x];
                    sum[0] += p >> 16 & 0xFF;
                    sum[1] += p >> 8 & 0xFF;
                    sum[2] += p & 0xFF;
                }
            }
            const uint32_t n = static_cast<uint32_t>((x1 - x0) * (y1 - y0));
            const uint32_t mean =
                (sum[0] + n / 2) / n << 16 | (sum[1] + n / 2) / n << 8 | (sum[2] + n / 2) / n;
            for (int32_t y = y0; y < y1; y++) {
                uint32_t* row = out.data() + static_cast<size_t>(y - area.top) * nWidth;
                std::fill(row + (x0 - area.left), row + (x1 - area.left), mean);
            }
        }
    }
    return out;
}

ArrowShape ArrowShapeFor(TrackPoint from, TrackPoint to, int32_t width) {
    const double dx = to.x - from.x, dy = to.y - from.y, length = std::sqrt(dx * dx + dy * dy);
    ArrowShape arrow = {to, {to, to, to}};
    if (length == 0) return arrow;
    // a head that grows with the line, half as wide as it is long
    const double headLength = std::min<double>(3 * width + 10, length);
    const double ux = dx / length, uy = dy / length;
    const double baseX = to.x - ux * headLength, baseY = to.y - uy * headLength;
    const double halfX = -uy * headLength / 2, halfY = ux * headLength / 2;
    auto at = [](double x, double y) { return TrackPoint{Nearest(x), Nearest(y)}; };
    arrow.shaftEnd = at(baseX, baseY);
    arrow.head[1] = at(baseX + halfX, baseY + halfY);
    arrow.head[2] = at(baseX - halfX, baseY - halfY);
    return arrow;
}

PixelRect Around(const TrackPoint* points, size_t nCount, int32_t n) {
    PixelRect r = {points[0].x, points[0].y, points[0].x, points[0].y};
    for (size_t i = 1; i < nCount; i++) {
        r = {std::min(r.left, points[i].x), std::min(r.top, points[i].y),
             std::max(r.right, points[i].x), std::max(r.bottom, points[i].y)};
    }
    return {r.left - n, r.top - n, r.right + n + 1, r.bottom + n + 1};
}

PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

PixelRect Union(const PixelRect& a, const PixelRect& b) {
    if (IsEmptyArea(a)) return b;
    if (IsEmptyArea(b)) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}
