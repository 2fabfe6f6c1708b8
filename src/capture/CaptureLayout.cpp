#include "CaptureLayout.h"

namespace {

const int32_t kInfoBoxMargin = 10;   // from the monitor's top and left edges
const int32_t kInfoBoxRightX = 180;  // the right-hand place: this far left of the right edge

// how far the point lies outside the rectangle along one axis, 0 inside
int64_t Outside(int32_t v, int32_t low, int32_t high) {
    if (v < low) return static_cast<int64_t>(low) - v;
    if (v >= high) return static_cast<int64_t>(v) - high + 1;
    return 0;
}

}  // namespace

PixelRect ScreenLayout::MonitorAt(TrackPoint point) const {
    PixelRect nearest = virtualScreen;
    int64_t nBest = -1;
    for (const PixelRect& monitor : monitors) {
        const int64_t dx = Outside(point.x, monitor.left, monitor.right);
        const int64_t dy = Outside(point.y, monitor.top, monitor.bottom);
        if (nBest < 0 || dx * dx + dy * dy < nBest) {
            nBest = dx * dx + dy * dy;
            nearest = monitor;
        }
    }
    return nearest;
}

PixelRect ClampToScreen(const PixelRect& selection, int32_t nScreenWidth, int32_t nScreenHeight) {
    PixelRect r = selection.Normalized();
    if (r.left < 0) r.left = 0;
    if (r.top < 0) r.top = 0;
    if (r.right > nScreenWidth) r.right = nScreenWidth;
    if (r.bottom > nScreenHeight) r.bottom = nScreenHeight;
    return r;
}

bool IsEmptyArea(const PixelRect& rect) {
    return rect.Width() <= 0 || rect.Height() <= 0;
}

TrackPoint InfoBoxCorner(const PixelRect& monitor, bool bOnRight) {
    return {bOnRight ? monitor.right - kInfoBoxRightX : monitor.left + kInfoBoxMargin,
            monitor.top + kInfoBoxMargin};
}

PixelRect PositionBoxRect(TrackPoint pointer, int32_t nLabelWidth, int32_t nLineHeight,
                          const PixelRect& monitor) {
    PixelRect box;
    if (pointer.x + nLabelWidth >= monitor.right) {
        box.left = pointer.x - nLabelWidth - 3;
        box.right = pointer.x - 3;
    } else {
        box.left = pointer.x + 3;
        box.right = pointer.x + 3 + nLabelWidth;
    }
    if (pointer.y - 6 * nLineHeight <= monitor.top) {
        box.top = pointer.y + 3;
        box.bottom = pointer.y + 6 * nLineHeight + 3;
    } else {
        box.top = pointer.y - 6 * nLineHeight - 3;
        box.bottom = pointer.y - 3;
    }
    return box;
}

const char* CaptureHelpText(bool bDragging, bool bHaveSelection) {
    if (bHaveSelection && bDragging) return "\r\n ·松开鼠标左键确定截取范围\r\n\r\n ·按ESC键退出";
    if (bHaveSelection) {
        return "\r\n ·用鼠标左键调整截取范围的\r\n 大小和位置\r\n ·双击范围内、回车、Ctrl+C"
               "\r\n 或“完成”：复制到剪贴板\r\n ·Ctrl+S或“保存”：存图片\r\n ·右键、ESC或“取消”："
               "\r\n 重新选择";
    }
    if (bDragging) return "";  // a right click while drawing: the button is still down
    return "\r\n ·按下鼠标左键不放选择截取\r\n 范围\r\n\r\n ·按ESC键或鼠标右键退出";
}
