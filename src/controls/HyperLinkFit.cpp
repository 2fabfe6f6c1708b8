#include "HyperLinkFit.h"

PixelRect FitLinkRect(const PixelRect& rcWindow, int cxClient, int cyClient, int cxText, int cyText,
                      const LinkAlignment& align) {
    const int cxWindow = rcWindow.right - rcWindow.left;
    const int cyWindow = rcWindow.bottom - rcWindow.top;
    const int cx = cxText + cxWindow - cxClient;
    const int cy = cyText + cyWindow - cyClient;
    PixelRect rc = rcWindow;
    if (align.bCenterImage) {
        const int dy = (cyWindow - cy) / 2;
        rc.top += dy;
        rc.bottom -= dy;
    } else {
        rc.bottom = rc.top + cy;
    }
    if (align.bCenter) {
        const int dx = (cxWindow - cx) / 2;
        rc.left += dx;
        rc.right -= dx;
    } else if (align.bRight) {
        rc.left = rc.right - cx;
    } else {
        rc.right = rc.left + cx;
    }
    return rc;
}
