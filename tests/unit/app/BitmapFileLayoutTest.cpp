#include "BitmapFileLayout.h"

#include <gtest/gtest.h>

#include <climits>

#include "BmpBuilder.h"

namespace {

bool Parses(const BmpBuilder& bmp, BitmapFileLayout* pLayout = nullptr) {
    std::vector<uint8_t> block = bmp.Block();
    BitmapFileLayout layout;
    bool ok = ParseBitmapBlock(block.data(), block.size(), layout);
    if (pLayout) *pLayout = layout;
    return ok;
}

TEST(BitmapFileLayout, FindsThePixelsOfEveryDepthAndHeader) {
    struct Case {
        uint16_t bits;
        uint32_t compression, headerSize, clrUsed;
        size_t bitsOffset;
        uint32_t colours;
    } cases[] = {
        {1, 0, 40, 0, 40 + 4 * 2, 2},
        {4, 0, 40, 0, 40 + 4 * 16, 16},
        {8, 0, 40, 0, 40 + 4 * 256, 256},
        {8, 0, 40, 20, 40 + 4 * 20, 20},
        {16, 0, 40, 0, 40, 0},
        {16, 3, 40, 0, 40 + 12, 0},
        {24, 0, 40, 0, 40, 0},
        {24, 0, 40, 7, 40 + 4 * 7, 7},
        {32, 3, 40, 0, 52, 0},
        {32, 3, 124, 0, 124, 0},
        {8, 0, 108, 0, 108 + 4 * 256, 256},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bits << " bpp, compression " << c.compression
                                        << ", header " << c.headerSize);
        BmpBuilder bmp;
        bmp.bitCount = c.bits;
        bmp.compression = c.compression;
        bmp.headerSize = c.headerSize;
        bmp.clrUsed = c.clrUsed;
        BitmapFileLayout layout;
        ASSERT_TRUE(Parses(bmp, &layout));
        EXPECT_EQ(layout.bitsOffset, c.bitsOffset);
        EXPECT_EQ(layout.colourCount, c.colours);
        EXPECT_EQ(layout.width, 4);
        EXPECT_EQ(layout.height, 3);
    }
}

TEST(BitmapFileLayout, TopDownPicturesAreFine) {
    BmpBuilder bmp;
    bmp.height = -3;
    BitmapFileLayout layout;
    ASSERT_TRUE(Parses(bmp, &layout));
    EXPECT_EQ(layout.height, -3);
}

TEST(BitmapFileLayout, EveryTruncationIsRefused) {
    for (uint16_t bits : {1, 8, 24, 32}) {
        BmpBuilder bmp;
        bmp.bitCount = bits;
        bmp.width = 5;  // rows padded to 4 bytes
        std::vector<uint8_t> block = bmp.Block();
        BitmapFileLayout layout;
        ASSERT_TRUE(ParseBitmapBlock(block.data(), block.size(), layout));
        for (size_t n = 0; n < block.size(); n++) {
            ASSERT_FALSE(ParseBitmapBlock(block.data(), n, layout)) << bits << " bpp, " << n;
        }
    }
}

TEST(BitmapFileLayout, HeadersThatClaimMoreThanTheFileHoldsAreRefused) {
    BmpBuilder wide;  // the pixels of a 4 x 3 picture, a header claiming far more
    wide.pixelBytes = wide.ImpliedPixelBytes();
    wide.width = 30000;
    EXPECT_FALSE(Parses(wide));

    BmpBuilder tall;
    tall.pixelBytes = tall.ImpliedPixelBytes();
    tall.height = -30000;
    EXPECT_FALSE(Parses(tall));

    BmpBuilder colours;  // a palette longer than the file
    colours.bitCount = 8;
    colours.tableEntries = 2;
    colours.pixelBytes = 0;
    EXPECT_FALSE(Parses(colours));

    BmpBuilder header;  // an info header larger than the block
    header.headerSize = 124;
    std::vector<uint8_t> block = header.Block();
    BitmapFileLayout layout;
    EXPECT_FALSE(ParseBitmapBlock(block.data(), 100, layout));
}

TEST(BitmapFileLayout, ImpossibleOrHugeValuesAreRefused) {
    auto refused = [](auto change) {
        BmpBuilder bmp;
        change(bmp);
        return !Parses(bmp);
    };
    EXPECT_TRUE(refused([](BmpBuilder& b) { b.width = 0; }));
    EXPECT_TRUE(refused([](BmpBuilder& b) { b.width = -4; }));
    EXPECT_TRUE(refused([](BmpBuilder& b) { b.height = 0; }));
    EXPECT_TRUE(refused([](BmpBuilder& b) { b.height = INT32_MIN, b.pixelBytes = 0; }));
    EXPECT_TRUE(refused([](BmpBuilder& b) { b.width = INT32_MAX, b.pixelBytes = 0; }));
    EXPECT_TRUE(refused([](BmpBuilder& b) { b.planes = 2; }));
    EXPECT_TRUE(refused([](BmpBuilder& b) { b.bitCount = 0; }));
    EXPECT_TRUE(refused([](BmpBuilder& b) { b.bitCount = 2; }));
    EXPECT_TRUE(refused([](BmpBuilder& b) { b.bitCount = 64; }));
    EXPECT_TRUE(refused([](BmpBuilder& b) { b.headerSize = 12; }));
    EXPECT_TRUE(refused([](BmpBuilder& b) { b.headerSize = 0xFFFFFFFF; }));
    EXPECT_TRUE(refused([](BmpBuilder& b) { b.compression = 1, b.bitCount = 8; }));  // RLE8
    EXPECT_TRUE(refused([](BmpBuilder& b) { b.compression = 4; }));                  // JPEG
    EXPECT_TRUE(refused([](BmpBuilder& b) { b.compression = 3; }));  // bit fields at 24 bpp
    // a palette of more colours than the depth can index
    EXPECT_TRUE(refused([](BmpBuilder& b) { b.bitCount = 8, b.clrUsed = 257; }));
    EXPECT_TRUE(refused([](BmpBuilder& b) { b.bitCount = 1, b.clrUsed = 3; }));
    EXPECT_TRUE(refused([](BmpBuilder& b) { b.clrUsed = 0x40000000, b.tableEntries = 0; }));
    // within every side limit but past the pixel limit
    EXPECT_TRUE(refused([](BmpBuilder& b) { b.width = 30000, b.height = 30000, b.bitCount = 1; }));
}

TEST(BitmapFileLayout, TheFileHeaderMustSayBM) {
    std::vector<uint8_t> file = BmpBuilder().File();
    EXPECT_TRUE(IsBitmapFileHeader(file.data(), 14));
    EXPECT_FALSE(IsBitmapFileHeader(file.data(), 13));
    file[1] = 'A';
    EXPECT_FALSE(IsBitmapFileHeader(file.data(), 14));
}

}  // namespace
