#include "Skin.h"

#include <algorithm>
#include <new>
#include <vector>

#include "Afx.h"
#include "BitmapFileLayout.h"
#include "CBitmap.h"
#include "CBstr.h"
#include "CClientDC.h"
#include "CFile.h"
#include "CPalette.h"
#include "GdiPlus.h"
#include "Log.h"
#include "SkinPreload.h"

namespace {

// A file this large is not a skin picture; refusing it spares the allocation.
const uint64_t kMaxBitmapFileBytes = 256ull * 1024 * 1024;

struct GlobalFreer {
    void operator()(void* p) const { ::GlobalFree(p); }
};
using GlobalBlock = std::unique_ptr<uint8_t, GlobalFreer>;

bool ReadAll(CFile& file, uint8_t* pBuffer, size_t cbBuffer) {
    while (cbBuffer > 0) {
        UINT n = file.Read(pBuffer, static_cast<UINT>(std::min<size_t>(cbBuffer, 1u << 30)));
        if (n == 0) return false;
        pBuffer += n;
        cbBuffer -= n;
    }
    return true;
}

void RealizePalette(const uint8_t* pColourTable, uint32_t nColours, CPalette& palette, CDC& dc) {
    std::vector<uint8_t> storage(sizeof(LOGPALETTE) + nColours * sizeof(PALETTEENTRY));
    auto* pLogPalette = reinterpret_cast<LOGPALETTE*>(storage.data());
    pLogPalette->palVersion = 0x300;
    pLogPalette->palNumEntries = static_cast<WORD>(nColours);
    for (uint32_t i = 0; i < nColours; i++) {
        const uint8_t* quad = pColourTable + 4 * i;  // blue, green, red, reserved
        pLogPalette->palPalEntry[i] = {quad[2], quad[1], quad[0], 0};
    }
    if (!palette.CreatePalette(pLogPalette)) return;
    dc.SelectPalette(&palette, FALSE);  // selected out again when the DC goes
    dc.RealizePalette();
}

// The bitmap of a parsed BMP block, made for the screen through the file's palette
// when pPalette is given; null on failure.
HBITMAP CreateScreenBitmap(const uint8_t* pBlock, const BitmapFileLayout& layout,
                           CPalette* pPalette) {
    CClientDC screen(nullptr);
    if (pPalette && layout.colourCount > 0 && layout.colourCount <= 256) {
        RealizePalette(pBlock + layout.colourTableOffset, layout.colourCount, *pPalette, screen);
    }
    auto* pInfo = reinterpret_cast<const BITMAPINFO*>(pBlock);
    return ::CreateDIBitmap(screen, &pInfo->bmiHeader, CBM_INIT, pBlock + layout.bitsOffset, pInfo,
                            DIB_RGB_COLORS);
}

// The path in UTF-16, for GDI+; raises CMemoryException when it cannot be converted.
void RequireConverted(const CBstr& widePath) {
    if (!widePath.Get()) AfxThrowMemoryException();
}

// A file that is there but GDI+ cannot read is told apart from one that is missing.
std::string DecodingProblem(const CString& path) {
    if (::GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) {
        return SystemErrorText(::GetLastError());
    }
    return "not a picture GDI+ can read";
}

void LogPicture(const CString& path, const std::string& problem, unsigned nWidth,
                unsigned nHeight) {
    if (problem.empty()) {
        LogEvent("skin", "%s, %ux%u", path.GetString(), nWidth, nHeight);
    } else {
        LogEvent("skin", "%s not used: %s", path.GetString(), problem.c_str());
    }
}

// Why the file gives no bitmap; empty when it did.
std::string ReadBitmapFile(const CString& path, CBitmap& bitmap, CPalette* pPalette) {
    CFile file;
    if (!file.OpenForRead(path)) return SystemErrorText(::GetLastError());
    uint8_t header[BitmapFileLayout::kFileHeaderSize];
    if (file.Read(header, sizeof(header)) != sizeof(header) ||
        !IsBitmapFileHeader(header, sizeof(header))) {
        return "not a BMP file";
    }
    const uint64_t fileLength = file.GetLength();
    if (fileLength <= sizeof(header) || fileLength > kMaxBitmapFileBytes) {
        return "empty, or too large for a skin picture";
    }
    const size_t cbBlock = static_cast<size_t>(fileLength - sizeof(header));
    GlobalBlock block(static_cast<uint8_t*>(::GlobalAlloc(GMEM_FIXED, cbBlock)));
    if (!block) return SystemErrorText(::GetLastError());
    if (!ReadAll(file, block.get(), cbBlock)) return "the file ends early";

    BitmapFileLayout layout;
    if (!ParseBitmapBlock(block.get(), cbBlock, layout)) return "its header does not fit its data";

    // the palette goes to the caller with its bitmap only; on failure it is deleted
    // here, after the screen DC let go of it
    CPalette palette;
    HBITMAP hBitmap = CreateScreenBitmap(block.get(), layout, pPalette ? &palette : nullptr);
    if (!hBitmap) return "no bitmap could be made of it";
    if (palette.GetSafeHandle()) pPalette->Attach(palette.Detach());
    bitmap.Attach(hBitmap);
    return std::string();
}

}  // namespace

SkinPicture::SkinPicture() = default;
SkinPicture::~SkinPicture() = default;
SkinPicture::SkinPicture(SkinPicture&&) noexcept = default;
SkinPicture& SkinPicture::operator=(SkinPicture&&) noexcept = default;

const char kPlayGameBackgroundFile[] = "Platform\\PlayGameBackground.jpg";
const char kLoadingAnimationFile[] = "Platform\\LoadingAni.png";
const char kForumTabPictureFile[] = "Platform\\WorkspaceBtn0.bmp";
const char kGameTabPictureFile[] = "Platform\\WorkspaceBtn1.bmp";
const char kToolsTabPictureFile[] = "Platform\\WorkspaceBtn2.bmp";

BOOL LoadSkinPicture(CString path, SkinPicture& picture) {
    return SkinPreload::TakePicture(path, picture) || DecodeSkinPicture(path, picture);
}

BOOL LoadSkinBitmap(CString path, CBitmap& bitmap) {
    return SkinPreload::TakeBitmap(path, bitmap) || DecodeSkinBitmap(path, bitmap);
}

BOOL DecodeSkinPicture(CString path, SkinPicture& picture) {
    const CBstr widePath(path);
    RequireConverted(widePath);
    // GDI+ objects come from its own allocator, which gives null on failure. Its
    // operator new is not declared non-throwing, so a null check after a plain new
    // may be dropped: allocate, check, then construct.
    void* pMemory = Gdiplus::DllExports::GdipAlloc(sizeof(Gdiplus::Image));
    std::unique_ptr<Gdiplus::Image> pImage(pMemory ? ::new (pMemory) Gdiplus::Image(widePath.Get())
                                                   : nullptr);
    if (pImage) {
        picture.nWidth = pImage->GetWidth();
        picture.nHeight = pImage->GetHeight();
        // a picture that failed has no size (its status is left for its owner to read)
        LogPicture(path, picture.nWidth ? std::string() : DecodingProblem(path), picture.nWidth,
                   picture.nHeight);
        picture.pImage = std::move(pImage);
    } else {
        LogPicture(path, "no memory for it", 0, 0);
        picture.pImage.reset();
    }
    return TRUE;
}

BOOL DecodeSkinBitmap(CString path, CBitmap& bitmap) {
    const CBstr widePath(path);
    RequireConverted(widePath);
    Gdiplus::GpBitmap* pDecoded = nullptr;
    Gdiplus::Status status =
        Gdiplus::DllExports::GdipCreateBitmapFromFile(widePath.Get(), &pDecoded);
    if (status != Gdiplus::Ok) {
        LogPicture(path, DecodingProblem(path), 0, 0);
        return FALSE;
    }
    // transparent parts, if any, over black
    HBITMAP hBitmap = nullptr;
    status = Gdiplus::DllExports::GdipCreateHBITMAPFromBitmap(pDecoded, &hBitmap, 0xFF000000);
    Gdiplus::DllExports::GdipDisposeImage(pDecoded);
    if (status != Gdiplus::Ok || !hBitmap) {
        LogPicture(path, "no bitmap could be made of it", 0, 0);
        return FALSE;
    }
    bitmap.Attach(hBitmap);
    BITMAP bm = {};
    ::GetObjectA(hBitmap, sizeof(bm), &bm);
    LogPicture(path, std::string(), bm.bmWidth, bm.bmHeight);
    return TRUE;
}

BOOL LoadBitmapFile(CString path, CBitmap& bitmap, CPalette* pPalette) {
    const std::string problem = ReadBitmapFile(path, bitmap, pPalette);
    BITMAP bm = {};
    if (problem.empty()) bitmap.GetBitmap(&bm);
    LogPicture(path, problem, bm.bmWidth, bm.bmHeight);
    return problem.empty();
}
