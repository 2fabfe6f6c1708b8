// Skin pictures made for a test: BMP strips whose cells are plain colours.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// A 24-bit BMP file, colourAt(x) giving each column's colour (COLORREF).
std::vector<uint8_t> ColumnsBmp(int nWidth, int nHeight, COLORREF (*colourAt)(int x));

// Four cells of 50 pixels (red, green, blue, yellow) and two magenta columns left over.
COLORREF StripColour(int x);
const COLORREF kCellColours[4] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
