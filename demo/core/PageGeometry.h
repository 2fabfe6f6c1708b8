#pragma once

#include <cstdint>

// Where the launcher wants the game drawn: its page window (a handle as a
// 32-bit value) and the page's client size in pixels.
struct PageGeometry {
    std::uint32_t page = 0;
    int width = 0;
    int height = 0;
};
