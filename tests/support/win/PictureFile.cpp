#include "PictureFile.h"

#include "BmpBuilder.h"

std::vector<uint8_t> PictureFile(int width, int height,
                                 const std::function<COLORREF(int x, int y)>& colour) {
    BmpBuilder bmp;
    bmp.width = width;
    bmp.height = -height;  // top-down
    std::vector<uint8_t> file = bmp.File();
    BmpBuilder::Put32(file, 10, 54);  // where the pixels start
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t(3);
    for (int y = 0; y < height; y++) {
        for (int x = 0; x < width; x++) {
            COLORREF c = colour(x, y);
            uint8_t* p = &file[54 + y * stride + x * 3];
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    }
    return file;
}
