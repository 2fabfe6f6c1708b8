// Where the capture's toolbar goes beside the selection. Portable: no <windows.h>.
#pragma once

#include "CaptureLayout.h"

// The toolbar's rectangle for a selection (screen coordinates, either orientation):
// just below the selection's bottom-right corner, else above the selection, else
// inside it at that corner; always whole on the monitor that shows the corner (or on
// the one nearest to it), shifted along an edge where it would cross one.
PixelRect PlaceToolbar(const PixelRect& selection, TrackSize size, const ScreenLayout& screen);
