#include "GreyIcon.h"

#include "ButtonColour.h"
#include "CBitmap.h"
#include "CDC.h"

namespace {

// A top-down 32-bit section of the size, its pixels at *ppBits.
HBITMAP CreateSection(int nWidth, int nHeight, DWORD** ppBits) {
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = nWidth;
    bmi.bmiHeader.biHeight = -nHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    return ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(ppBits),
                              nullptr, 0);
}

void MakeGrey(DWORD* pPixels, int nCount) {
    for (int i = 0; i < nCount; i++) {
        DWORD bgr = pPixels[i] & 0xFFFFFF;
        if (!bgr) continue;  // black stays black
        DWORD grey = GreyLevel(GetBValue(bgr), GetGValue(bgr), GetRValue(bgr));
        pPixels[i] = (pPixels[i] & 0xFF000000) | grey << 16 | grey << 8 | grey;
    }
}

}  // namespace

HICON CreateGreyIcon(HICON hIcon) {
    ICONINFO info = {};
    if (!::GetIconInfo(hIcon, &info)) return nullptr;
    CBitmap colour, mask;
    colour.Attach(info.hbmColor);
    mask.Attach(info.hbmMask);
    int nWidth = static_cast<int>(info.xHotspot * 2);
    int nHeight = static_cast<int>(info.yHotspot * 2);
    if (!info.hbmColor || nWidth <= 0 || nHeight <= 0) return nullptr;

    DWORD* pBits = nullptr;
    CBitmap grey;
    if (!grey.Attach(CreateSection(nWidth, nHeight, &pBits))) return nullptr;
    {
        CDC dcSource, dcGrey;
        if (!dcSource.CreateCompatibleDC(nullptr) || !dcGrey.CreateCompatibleDC(nullptr)) {
            return nullptr;
        }
        dcSource.SelectObject(&colour);
        dcGrey.SelectObject(&grey);
        dcGrey.BitBlt(0, 0, nWidth, nHeight, &dcSource, 0, 0, SRCCOPY);
    }
    ::GdiFlush();
    MakeGrey(pBits, nWidth * nHeight);

    ICONINFO greyInfo = {TRUE, info.xHotspot, info.yHotspot, mask, grey};
    return ::CreateIconIndirect(&greyInfo);
}
