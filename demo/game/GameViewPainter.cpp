#include "GameViewPainter.h"

#include "ObjectSelection.h"
#include "UniqueResource.h"

#include <algorithm>
#include <string>

namespace {

constexpr COLORREF kSkyTop = RGB(8, 12, 38);
constexpr COLORREF kSkyBottom = RGB(44, 16, 58);
constexpr COLORREF kPlanet = RGB(36, 92, 120);
constexpr COLORREF kRing = RGB(170, 150, 90);
constexpr COLORREF kTitle = RGB(236, 226, 190);
constexpr COLORREF kCaption = RGB(160, 170, 200);
constexpr int kStars = 48;

TRIVERTEX vertex(LONG x, LONG y, COLORREF colour) {
    TRIVERTEX v{};
    v.x = x;
    v.y = y;
    v.Red = static_cast<COLOR16>(GetRValue(colour) << 8);
    v.Green = static_cast<COLOR16>(GetGValue(colour) << 8);
    v.Blue = static_cast<COLOR16>(GetBValue(colour) << 8);
    return v;
}

HFONT makeFont(int height, int weight) {
    return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, L"Tahoma");
}

void drawCentred(HDC dc, const std::wstring& text, RECT box, int height, int weight,
                 COLORREF colour) {
    UniqueGdiObject font(makeFont(height, weight));
    ObjectSelection selection(dc, font.get());
    SetTextColor(dc, colour);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace

void GameViewPainter::paint(HDC dc, const RECT& area) {
    paintSky(dc, area);
    paintStars(dc, area);
    paintPlanet(dc, area);
    paintTitle(dc, area);
}

void GameViewPainter::paintSky(HDC dc, const RECT& area) {
    TRIVERTEX corners[2] = {vertex(area.left, area.top, kSkyTop),
                            vertex(area.right, area.bottom, kSkyBottom)};
    GRADIENT_RECT band{0, 1};
    GradientFill(dc, corners, 2, &band, 1, GRADIENT_FILL_RECT_V);
}

void GameViewPainter::paintStars(HDC dc, const RECT& area) {
    const int width = std::max<int>(1, area.right - area.left);
    const int height = std::max<int>(1, area.bottom - area.top);
    unsigned seed = 0x2545F491u;
    for (int i = 0; i < kStars; ++i) {
        seed = seed * 1103515245u + 12345u;
        int x = area.left + static_cast<int>((seed >> 8) % static_cast<unsigned>(width));
        seed = seed * 1103515245u + 12345u;
        int y = area.top + static_cast<int>((seed >> 8) % static_cast<unsigned>(height));
        int glow = 150 + static_cast<int>(seed % 100u);
        SetPixel(dc, x, y, RGB(glow, glow, 255));
    }
}

void GameViewPainter::paintPlanet(HDC dc, const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const int radius = std::min(width, height) / 5;
    if (radius < 4) return;
    const int cx = area.left + width * 3 / 4;
    const int cy = area.top + height / 3;
    UniqueGdiObject body(CreateSolidBrush(kPlanet));
    UniqueGdiObject ring(CreatePen(PS_SOLID, std::max(1, radius / 12), kRing));
    ObjectSelection brush(dc, body.get());
    ObjectSelection pen(dc, GetStockObject(NULL_PEN));
    Ellipse(dc, cx - radius, cy - radius, cx + radius, cy + radius);
    ObjectSelection ringPen(dc, ring.get());
    ObjectSelection hollow(dc, GetStockObject(NULL_BRUSH));
    Ellipse(dc, cx - radius * 2, cy - radius / 3, cx + radius * 2, cy + radius / 3);
}

void GameViewPainter::paintTitle(HDC dc, const RECT& area) {
    const int height = area.bottom - area.top;
    const int titleHeight = std::clamp(height / 8, 12, 96);
    SetBkMode(dc, TRANSPARENT);
    RECT title = area;
    title.bottom = area.top + height / 2 + titleHeight / 2;
    title.top = title.bottom - titleHeight * 2;
    drawCentred(dc, L"Orbavel", title, titleHeight, FW_BOLD, kTitle);
    RECT caption = area;
    caption.top = title.bottom;
    caption.bottom = caption.top + titleHeight;
    std::wstring size =
        std::to_wstring(area.right - area.left) + L" \u00d7 " + std::to_wstring(height);
    drawCentred(dc, size, caption, std::max(10, titleHeight / 2), FW_NORMAL, kCaption);
}
