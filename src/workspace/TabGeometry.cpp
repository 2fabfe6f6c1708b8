#include "TabGeometry.h"

int CalcTabWidth(int clientWidth, int count) {
    if (count <= 0) return 1;
    int available = clientWidth - kTabReserveRight;
    if (available <= 0) available = 1;
    int width = available / count;
    return width < kTabMaxWidth ? width : kTabMaxWidth;
}

PixelRect AnyTabFace(int index, int tabWidth, int clientHeight, bool selected) {
    const int slotLeft = index * tabWidth;
    return {slotLeft + 1, 0, slotLeft + tabWidth, selected ? clientHeight + 1 : clientHeight};
}

PixelRect PageTabFace(int index, int tabWidth, int clientWidth, int count) {
    PixelRect face = AnyTabFace(index, tabWidth, 0, false);
    face.top = 0;
    face.bottom = kPageTabHeight;
    // C++ division truncates toward zero, so a row wider than the client is
    // shifted left by half the excess, rounded toward zero
    const int offset = (clientWidth - count * tabWidth) / 2;
    face.left += offset;
    face.right += offset;
    return face;
}

int HitTestFaces(const PixelRect* faces, int count, int clientHeight, int x, int y) {
    if (y < 0 || y >= clientHeight) return -1;
    for (int i = 0; i < count; i++) {
        if (faces[i].Contains(x, y)) return i;
    }
    return -1;
}
