// Pictures made to order for the skin loader: 24-bit BMP files whose pixels a
// function gives.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

// colour(x, y) counts y from the top
std::vector<uint8_t> PictureFile(int width, int height,
                                 const std::function<COLORREF(int x, int y)>& colour);
