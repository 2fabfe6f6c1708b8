// Where the owner-drawn buttons put their pictures. Portable: no <windows.h>.
#pragma once

#include "PixelRect.h"

// How an icon sits next to the caption of a bitmap button.
enum ButtonIconAlign { IconLeft = 0, IconAbove = 1, IconRight = 2 };

struct IconLayout {
    PixelRect icon;     // where the icon goes
    PixelRect caption;  // what is left for the caption
};

// Places an icon of the given size in the item rectangle, 3 pixels from the edge;
// a pressed push button shows it one pixel lower and to the right.
IconLayout PlaceIcon(const PixelRect& item, int nIconWidth, int nIconHeight, int nAlign,
                     bool bHasCaption, bool bPressedPushButton);

// The cell of a four-cell strip an image button shows: 0 normal, 2 under the
// pointer, 3 pressed. Cell 1 is never shown.
int ImageCell(bool bPressed, bool bHover);
