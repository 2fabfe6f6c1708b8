// Any bytes as the block of a BMP file: the parser must never read outside them,
// and what it accepts must describe pixels that lie inside them.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "BitmapFileLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // a copy of exactly `size` bytes, so that any read past them is caught
    std::vector<uint8_t> block(data, data + size);
    BitmapFileLayout layout;
    if (!ParseBitmapBlock(block.data(), block.size(), layout)) return 0;

    uint64_t rows = layout.height < 0 ? -static_cast<int64_t>(layout.height) : layout.height;
    uint64_t stride = (static_cast<uint64_t>(layout.width) * layout.bitCount + 31) / 32 * 4;
    if (layout.bitsOffset + stride * rows > size) std::abort();
    if (layout.colourTableOffset + 4ull * layout.colourCount > layout.bitsOffset) std::abort();
    // touch the first and last byte of the pixels, as the system would
    volatile uint8_t first = block[layout.bitsOffset];
    volatile uint8_t last = block[layout.bitsOffset + stride * rows - 1];
    (void)first;
    (void)last;
    return 0;
}
