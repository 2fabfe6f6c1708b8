// Where the capture overlay puts things and what its help box says: the screen it
// covers, the part of the frozen screen a selection copies, the places of the
// information and position boxes, and the help text of each state. Portable: no
// <windows.h>.
#pragma once

#include <cstdint>
#include <vector>

#include "TrackerGeometry.h"

// The screen as the overlay covers it, in screen coordinates (the primary monitor
// starts at (0, 0)): the virtual screen, which bounds every monitor, and each monitor.
struct ScreenLayout {
    PixelRect virtualScreen;
    std::vector<PixelRect> monitors;

    // The monitor that shows the point, else the one nearest to it; the virtual
    // screen when no monitor is known.
    PixelRect MonitorAt(TrackPoint point) const;
};

// The selection normalised and clamped to the screen (0, 0)-(width, height).
// Nothing is to be copied when the result IsEmptyArea: a selection that was empty,
// or one that lies wholly off the screen.
PixelRect ClampToScreen(const PixelRect& selection, int32_t nScreenWidth, int32_t nScreenHeight);
// zero or negative width or height
bool IsEmptyArea(const PixelRect& rect);

// The information box's place on a monitor: near its top-left or its top-right corner.
TrackPoint InfoBoxCorner(const PixelRect& monitor, bool bOnRight);

// The frame of the position box for the pointer: nLabelWidth wide, six lines of
// nLineHeight high, above and right of the pointer unless the top or right edge of
// the pointer's monitor is too near.
PixelRect PositionBoxRect(TrackPoint pointer, int32_t nLabelWidth, int32_t nLineHeight,
                          const PixelRect& monitor);

// The text the help box shows after the colour line, in UTF-8.
const char* CaptureHelpText(bool bDragging, bool bHaveSelection);
