// Skin strips made for a test: four cells of 50 pixels (red, green, blue, yellow)
// and two magenta columns left over, for PictureFile.
#pragma once

#include <windows.h>

#include "PictureFile.h"

COLORREF StripColour(int x, int y);
const COLORREF kCellColours[4] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
