// Where the owner-drawn buttons put their pictures. Portable: no <windows.h>.
#pragma once

struct ButtonRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// How an icon sits next to the caption of a bitmap button.
enum ButtonIconAlign { IconLeft = 0, IconAbove = 1, IconRight = 2 };

struct IconLayout {
    ButtonRect icon;     // where the icon goes
    ButtonRect caption;  // what is left for the caption
};

// Places an icon of the given size in the item rectangle, 3 pixels from the edge;
// a pressed push button shows it one pixel lower and to the right.
IconLayout PlaceIcon(const ButtonRect& item, int nIconWidth, int nIconHeight, int nAlign,
                     bool bHasCaption, bool bPressedPushButton);

// The cell of a four-cell strip an image button shows: 0 normal, 2 under the
// pointer, 3 pressed. Cell 1 is never shown.
int ImageCell(bool bPressed, bool bHover);
