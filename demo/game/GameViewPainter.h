#pragma once

#include <windows.h>

// Paints the demo game's scene into a rectangle: a dark sky, a ringed planet,
// a few stars, the game's name and the size of the area it was given. Cheap
// enough to run on every WM_PAINT: a handful of GDI calls, no bitmaps.
class GameViewPainter {
public:
    static void paint(HDC dc, const RECT& area);

private:
    static void paintSky(HDC dc, const RECT& area);
    static void paintStars(HDC dc, const RECT& area);
    static void paintPlanet(HDC dc, const RECT& area);
    static void paintTitle(HDC dc, const RECT& area);
};
