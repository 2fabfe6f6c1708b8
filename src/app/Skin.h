// Skin pictures: GDI+ images of any format, and BMP files as device-dependent bitmaps.
#pragma once

#include <windows.h>

#include <memory>

#include "CString.h"

namespace Gdiplus {
class Image;
}
class CBitmap;
class CPalette;

// A picture loaded from a file, with its size in pixels. A file that is missing or
// not a picture leaves an image that holds nothing, of size 0, which draws nothing.
struct SkinPicture {
    SkinPicture();
    ~SkinPicture();
    SkinPicture(SkinPicture&&) noexcept;
    SkinPicture& operator=(SkinPicture&&) noexcept;

    std::unique_ptr<Gdiplus::Image> pImage;
    UINT nWidth = 0;
    UINT nHeight = 0;
};

// Always TRUE; raises CMemoryException when the path cannot be converted. Takes
// the picture start-up decoded ahead when there is one.
BOOL LoadSkinPicture(CString path, SkinPicture& picture);

// Decodes a picture of any format once into a bitmap to blit, and lets go of
// everything decoding it took. FALSE, and the bitmap left as it was, for a
// missing file or one that is not a picture. Takes the bitmap start-up decoded
// ahead when there is one.
BOOL LoadSkinBitmap(CString path, CBitmap& bitmap);

// The two loaders above without looking for what start-up decoded: for any thread.
BOOL DecodeSkinPicture(CString path, SkinPicture& picture);
BOOL DecodeSkinBitmap(CString path, CBitmap& bitmap);

// The pictures the first paint shows, which start-up decodes ahead: the play
// page's, and those of the forum, game and tools tabs.
extern const char kPlayGameBackgroundFile[];
extern const char kLoadingAnimationFile[];
extern const char kForumTabPictureFile[];
extern const char kGameTabPictureFile[];
extern const char kToolsTabPictureFile[];

// Loads a BMP file into a device-dependent bitmap of the screen, realising its
// palette into pPalette when one is given. FALSE, and the bitmap left as it was,
// for a missing file or one whose headers do not match what it holds.
BOOL LoadBitmapFile(CString path, CBitmap& bitmap, CPalette* pPalette);
