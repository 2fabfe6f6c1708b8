// Where the tab strip puts its tabs: the width every tab slot gets, the face
// rectangle of a tab and the tab under a point. Portable: no <windows.h>.
#pragma once

#include "PixelRect.h"

// What the strip keeps free at its right edge, and the widest a tab gets.
constexpr int kTabReserveRight = 120;
constexpr int kTabMaxWidth = 120;
// Height of the workspace strip's tabs.
constexpr int kPageTabHeight = 40;

// The width of every slot for count tabs in a client area clientWidth wide: the
// width left after the reserve, shared out and capped. 1 for no tabs.
int CalcTabWidth(int clientWidth, int count);

// The generic strip's face of a tab: its slot less one pixel at the left, the full
// client height, one pixel lower for the selected tab.
PixelRect AnyTabFace(int index, int tabWidth, int clientHeight, bool selected);

// The workspace strip's face of a tab: 40 pixels high, the whole row centred.
PixelRect PageTabFace(int index, int tabWidth, int clientWidth, int count);

// The first of count faces that holds the point, or -1; also -1 for a point
// above or below the client area.
int HitTestFaces(const PixelRect* faces, int count, int clientHeight, int x, int y);
