// Where the parts of a BMP file lie, once every size and offset its headers claim
// has been checked against the bytes the file really holds.
#pragma once

#include <cstddef>
#include <cstdint>

struct BitmapFileLayout {
    static constexpr size_t kFileHeaderSize = 14;
    // Larger pictures are refused: a skin picture is screen-sized at most.
    static constexpr int32_t kMaxSide = 32767;
    static constexpr uint64_t kMaxPixels = 64ull * 1024 * 1024;

    size_t colourTableOffset = 0;  // from the start of the block
    uint32_t colourCount = 0;      // palette entries in the colour table; 0: none
    size_t bitsOffset = 0;         // of the pixel bits
    int32_t width = 0;
    int32_t height = 0;  // negative: rows stored top-down
    uint16_t bitCount = 0;
};

// The 14-byte file header: its signature must be "BM".
bool IsBitmapFileHeader(const uint8_t* pHeader, size_t cbHeader);

// The block is the file after its file header: the info header, the colour table
// and the pixel bits. Fills layout and returns true only when the block is a
// picture Windows can take as it is (uncompressed or bit fields, 1 to 32 bits per
// pixel, one plane) and every row of its bits lies inside the block.
bool ParseBitmapBlock(const uint8_t* pBlock, size_t cbBlock, BitmapFileLayout& layout);
