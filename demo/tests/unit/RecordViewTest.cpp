#include "RecordView.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

std::vector<unsigned char> bytesOf(const std::vector<std::uint32_t>& words) {
    std::vector<unsigned char> bytes;
    for (std::uint32_t w : words) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<unsigned char>(w >> shift));
    }
    return bytes;
}

std::vector<std::uint32_t> geometryWords(std::uint32_t page, std::uint32_t w, std::uint32_t h) {
    std::vector<std::uint32_t> words(13, 0);
    words[0] = 0x10020;
    words[2] = 5;
    words[3] = 52;
    words[8] = page;
    words[9] = words[11] = w;
    words[10] = words[12] = h;
    return words;
}

}  // namespace

TEST(RecordView, ReadsLittleEndianWords) {
    const unsigned char bytes[] = {0x78, 0x56, 0x34, 0x12, 0, 0, 0, 0, 9, 0, 0, 0, 16, 0, 0, 0};
    RecordView record(bytes, sizeof(bytes));
    EXPECT_EQ(record.sender(), 0x12345678u);
    EXPECT_EQ(record.code(), 9u);
    EXPECT_EQ(record.words(), (std::vector<std::uint32_t>{0x12345678u, 0, 9, 16}));
}

TEST(RecordView, CopesWithMissingData) {
    RecordView record(nullptr, 52);
    EXPECT_EQ(record.size(), 0u);
    EXPECT_FALSE(record.sender());
    EXPECT_FALSE(record.code());
    EXPECT_TRUE(record.words().empty());
    EXPECT_FALSE(record.pageGeometry());
}

TEST(RecordView, HasNoCodeBelowTwelveBytes) {
    const unsigned char bytes[11] = {1, 0, 0, 0, 0, 0, 0, 0, 5, 0, 0};
    RecordView record(bytes, sizeof(bytes));
    EXPECT_EQ(record.sender(), 1u);
    EXPECT_FALSE(record.code());
    EXPECT_EQ(record.words().size(), 2u);
}

TEST(RecordView, DropsTheIncompleteLastWord) {
    const unsigned char bytes[7] = {1, 0, 0, 0, 2, 0, 0};
    EXPECT_EQ(RecordView(bytes, sizeof(bytes)).words(), (std::vector<std::uint32_t>{1}));
}

TEST(RecordView, ReadsThePageGeometry) {
    auto bytes = bytesOf(geometryWords(0xABCD, 1000, 660));
    auto geometry = RecordView(bytes.data(), bytes.size()).pageGeometry();
    ASSERT_TRUE(geometry);
    EXPECT_EQ(geometry->page, 0xABCDu);
    EXPECT_EQ(geometry->width, 1000);
    EXPECT_EQ(geometry->height, 660);
}

TEST(RecordView, FindsNoGeometryInOtherCodesOrShortRecords) {
    auto words = geometryWords(0xABCD, 10, 10);
    words[2] = 3;
    auto other = bytesOf(words);
    EXPECT_FALSE(RecordView(other.data(), other.size()).pageGeometry());
    auto geometry = bytesOf(geometryWords(0xABCD, 10, 10));
    EXPECT_FALSE(RecordView(geometry.data(), 43).pageGeometry());
    EXPECT_TRUE(RecordView(geometry.data(), 44).pageGeometry());
}

TEST(RecordView, KeepsSidesWithinWhatAWindowCanBe) {
    auto bytes = bytesOf(geometryWords(1, 0xFFFFFFFFu, 100000));
    auto geometry = RecordView(bytes.data(), bytes.size()).pageGeometry();
    ASSERT_TRUE(geometry);
    EXPECT_EQ(geometry->width, 0);
    EXPECT_EQ(geometry->height, 32767);
}

TEST(RecordView, ReadsLargeRecords) {
    std::vector<unsigned char> bytes(64 * 1024, 0xFF);
    RecordView record(bytes.data(), bytes.size());
    EXPECT_EQ(record.words().size(), 16384u);
    EXPECT_EQ(record.code(), 0xFFFFFFFFu);
}
