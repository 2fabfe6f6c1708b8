// Where a link control goes when it is fitted to its text: portable geometry,
// no <windows.h>. Rectangles are in the parent's client coordinates.
#pragma once

#include "PixelRect.h"

// How the control aligns its text (its SS_CENTER, SS_RIGHT and SS_CENTERIMAGE bits).
struct LinkAlignment {
    bool bCenter;       // horizontally centred: keeps its centre
    bool bRight;        // right-aligned: keeps its right edge
    bool bCenterImage;  // vertically centred: keeps its middle
};

// The window rectangle fitted to a text of cxText x cyText pixels, the borders
// (window size minus client size) kept. Left-aligned controls keep their left
// edge, and all keep their top unless vertically centred.
PixelRect FitLinkRect(const PixelRect& rcWindow, int cxClient, int cyClient, int cxText, int cyText,
                      const LinkAlignment& align);
