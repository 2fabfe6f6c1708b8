#include "CaptureLayout.h"

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

PixelRect PositionBoxRect(TrackPoint pointer, int32_t nLabelWidth, int32_t nLineHeight,
                          int32_t nScreenWidth) {
    PixelRect box;
    if (pointer.x + nLabelWidth >= nScreenWidth) {
        box.left = pointer.x - nLabelWidth - 3;
        box.right = pointer.x - 3;
    } else {
        box.left = pointer.x + 3;
        box.right = pointer.x + 3 + nLabelWidth;
    }
    if (pointer.y - 6 * nLineHeight <= 0) {
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
        return "\r\n ·用鼠标左键调整截取范围的\r\n 大小和位置\r\n\r\n ·截取范围内双击鼠标左键保"
               "\r\n 存图像，结束操作\r\n\r\n ·点击鼠标右键重新选择";
    }
    if (bDragging) return "";  // a right click while drawing: the button is still down
    return "\r\n ·按下鼠标左键不放选择截取\r\n 范围\r\n\r\n ·按ESC键或鼠标右键退出";
}
