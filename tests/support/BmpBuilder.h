// Builds BMP files in memory for tests: a well-formed picture by default, and
// every header field open to be made wrong.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

struct BmpBuilder {
    int32_t width = 4;
    int32_t height = 3;
    uint16_t bitCount = 24;
    uint16_t planes = 1;
    uint32_t headerSize = 40;
    uint32_t compression = 0;
    uint32_t clrUsed = 0;
    // colour table entries written; -1: as many as the header implies
    int64_t tableEntries = -1;
    // pixel bytes written; -1: exactly what the picture needs
    int64_t pixelBytes = -1;

    static void Put16(std::vector<uint8_t>& v, size_t at, uint16_t x) {
        v[at] = static_cast<uint8_t>(x);
        v[at + 1] = static_cast<uint8_t>(x >> 8);
    }
    static void Put32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
        for (int i = 0; i < 4; i++) v[at + i] = static_cast<uint8_t>(x >> (8 * i));
    }

    int64_t ImpliedTableEntries() const {
        int64_t n = bitCount <= 8 ? (clrUsed ? clrUsed : (1 << bitCount)) : clrUsed;
        if (compression == 3 && headerSize == 40) n += 3;  // bit-field masks
        return n;
    }
    int64_t ImpliedPixelBytes() const {
        int64_t stride = (static_cast<int64_t>(width) * bitCount + 31) / 32 * 4;
        return stride * (height < 0 ? -static_cast<int64_t>(height) : height);
    }

    // the block after the 14-byte file header
    std::vector<uint8_t> Block() const {
        int64_t table = tableEntries >= 0 ? tableEntries : ImpliedTableEntries();
        int64_t pixels = pixelBytes >= 0 ? pixelBytes : ImpliedPixelBytes();
        if (pixels < 0) pixels = 0;  // a negative width
        size_t header = headerSize >= 40 && headerSize <= 124 ? headerSize : 40;
        std::vector<uint8_t> v(header + static_cast<size_t>(4 * table + pixels), 0);
        Put32(v, 0, headerSize);
        Put32(v, 4, static_cast<uint32_t>(width));
        Put32(v, 8, static_cast<uint32_t>(height));
        Put16(v, 12, planes);
        Put16(v, 14, bitCount);
        Put32(v, 16, compression);
        Put32(v, 32, clrUsed);
        // bit-field masks (red, green, blue) in the header or before the colour table
        const bool bitFields = compression == 3 && (bitCount == 16 || bitCount == 32);
        const uint32_t masks[3] = {bitCount == 16 ? 0xF800u : 0xFF0000u,
                                   bitCount == 16 ? 0x07E0u : 0x00FF00u,
                                   bitCount == 16 ? 0x001Fu : 0x0000FFu};
        size_t maskAt = header == 40 ? header : 40;
        int64_t first = 0;
        if (bitFields && v.size() >= maskAt + 12) {
            for (int i = 0; i < 3; i++) Put32(v, maskAt + 4 * i, masks[i]);
            if (header == 40) first = 3;
        }
        for (int64_t i = first; i < table; i++) {  // a grey ramp
            int64_t n = table - first;
            uint8_t g = static_cast<uint8_t>((i - first) * 255 / (n > 1 ? n - 1 : 1));
            size_t at = header + static_cast<size_t>(4 * i);
            v[at] = v[at + 1] = v[at + 2] = g;
        }
        for (size_t i = header + static_cast<size_t>(4 * table); i < v.size(); i++) {
            v[i] = static_cast<uint8_t>(i * 7);
        }
        return v;
    }

    std::vector<uint8_t> File() const {
        std::vector<uint8_t> block = Block();
        std::vector<uint8_t> v(14 + block.size(), 0);
        v[0] = 'B';
        v[1] = 'M';
        Put32(v, 2, static_cast<uint32_t>(v.size()));
        std::copy(block.begin(), block.end(), v.begin() + 14);
        return v;
    }
};
