#include "SkinFiles.h"

#include "BmpBuilder.h"

std::vector<uint8_t> ColumnsBmp(int nWidth, int nHeight, COLORREF (*colourAt)(int x)) {
    BmpBuilder builder;
    builder.width = nWidth;
    builder.height = nHeight;
    std::vector<uint8_t> file = builder.File();
    const size_t offset = 14 + 40;
    BmpBuilder::Put32(file, 10, static_cast<uint32_t>(offset));  // where the pixels start
    const size_t stride = (static_cast<size_t>(nWidth) * 3 + 3) & ~size_t(3);
    for (int y = 0; y < nHeight; y++) {
        for (int x = 0; x < nWidth; x++) {
            COLORREF cr = colourAt(x);
            uint8_t* p = &file[offset + y * stride + static_cast<size_t>(x) * 3];
            p[0] = GetBValue(cr);
            p[1] = GetGValue(cr);
            p[2] = GetRValue(cr);
        }
    }
    return file;
}

COLORREF StripColour(int x) {
    return x < 200 ? kCellColours[x / 50] : RGB(255, 0, 255);
}
