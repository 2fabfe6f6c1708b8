#include "BitmapFileLayout.h"

namespace {

const uint32_t kRgb = 0;        // BI_RGB
const uint32_t kBitFields = 3;  // BI_BITFIELDS

uint16_t U16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
uint32_t U32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool IsKnownInfoHeaderSize(uint32_t size) {
    return size == 40 || size == 108 || size == 124;  // info, version 4 and 5 headers
}

bool IsSupportedDepth(uint16_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

bool IsBitmapFileHeader(const uint8_t* pHeader, size_t cbHeader) {
    return pHeader && cbHeader >= BitmapFileLayout::kFileHeaderSize && U16(pHeader) == 0x4D42;
}

bool ParseBitmapBlock(const uint8_t* pBlock, size_t cbBlock, BitmapFileLayout& layout) {
    if (!pBlock || cbBlock < 40) return false;
    const uint32_t headerSize = U32(pBlock);
    const int32_t width = static_cast<int32_t>(U32(pBlock + 4));
    const int32_t height = static_cast<int32_t>(U32(pBlock + 8));
    const uint16_t planes = U16(pBlock + 12);
    const uint16_t bitCount = U16(pBlock + 14);
    const uint32_t compression = U32(pBlock + 16);
    const uint32_t clrUsed = U32(pBlock + 32);

    if (!IsKnownInfoHeaderSize(headerSize) || headerSize > cbBlock) return false;
    if (planes != 1 || !IsSupportedDepth(bitCount)) return false;
    if (compression != kRgb && !(compression == kBitFields && (bitCount == 16 || bitCount == 32))) {
        return false;
    }
    if (width <= 0 || width > BitmapFileLayout::kMaxSide) return false;
    if (height == 0 || height < -BitmapFileLayout::kMaxSide ||
        height > BitmapFileLayout::kMaxSide) {
        return false;
    }
    const uint64_t rows =
        static_cast<uint64_t>(height < 0 ? -static_cast<int64_t>(height) : height);
    if (static_cast<uint64_t>(width) * rows > BitmapFileLayout::kMaxPixels) return false;

    // The colour table follows the info header. Up to 8 bits per pixel it holds the
    // palette, which must not claim more colours than the depth can index. Deeper
    // pictures may carry an optional table, and the bit-field masks after a plain
    // 40-byte header (larger headers hold the masks themselves).
    const uint32_t masks = compression == kBitFields && headerSize == 40 ? 3 : 0;
    uint32_t colourCount;
    if (bitCount <= 8) {
        const uint32_t maxColours = 1u << bitCount;
        if (clrUsed > maxColours) return false;
        colourCount = clrUsed ? clrUsed : maxColours;
    } else {
        if (clrUsed > 256) return false;
        colourCount = clrUsed;
    }
    const uint64_t colourTableOffset = headerSize + 4 * masks;
    const uint64_t bitsOffset = colourTableOffset + 4 * static_cast<uint64_t>(colourCount);
    const uint64_t stride = (static_cast<uint64_t>(width) * bitCount + 31) / 32 * 4;
    if (bitsOffset > cbBlock || stride * rows > cbBlock - bitsOffset) return false;

    layout.colourTableOffset = static_cast<size_t>(colourTableOffset);
    layout.bitsOffset = static_cast<size_t>(bitsOffset);
    layout.colourCount = colourCount;
    layout.width = width;
    layout.height = height;
    layout.bitCount = bitCount;
    return true;
}
