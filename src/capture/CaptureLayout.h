// Where the capture overlay puts things and what its help box says: the part of
// the frozen screen a selection copies, the place of the position box beside the
// pointer, and the help text of each state. Portable: no <windows.h>.
#pragma once

#include <cstdint>

#include "TrackerGeometry.h"

// The selection normalised and clamped to the screen (0, 0)-(width, height).
// Nothing is to be copied when the result IsEmptyArea: a selection that was empty,
// or one that lies wholly off the screen.
PixelRect ClampToScreen(const PixelRect& selection, int32_t nScreenWidth, int32_t nScreenHeight);
// zero or negative width or height
bool IsEmptyArea(const PixelRect& rect);

// The frame of the position box for the pointer: nLabelWidth wide, six lines of
// nLineHeight high, above and right of the pointer unless the screen's top or
// right edge is too near.
PixelRect PositionBoxRect(TrackPoint pointer, int32_t nLabelWidth, int32_t nLineHeight,
                          int32_t nScreenWidth);

// The text the help box shows after the colour line, in UTF-8.
const char* CaptureHelpText(bool bDragging, bool bHaveSelection);
