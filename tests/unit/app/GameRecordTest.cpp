#include "GameRecord.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// The record as the bytes that go over the wire, read back as 32-bit words.
std::vector<uint32_t> Words(const GameRecord& record) {
    std::vector<uint32_t> words(record.cbSize / 4);
    const auto* bytes = reinterpret_cast<const uint8_t*>(&record);
    for (size_t i = 0; i < words.size(); i++) {
        words[i] = bytes[4 * i] | bytes[4 * i + 1] << 8 | bytes[4 * i + 2] << 16 |
                   static_cast<uint32_t>(bytes[4 * i + 3]) << 24;
    }
    return words;
}

TEST(GameRecord, LauncherRecordsHaveTheGamesLayout) {
    GameRecord closing = MakeLauncherClosingRecord(0x00120034);
    closing.hwndSender = 0x00560078;
    EXPECT_EQ(Words(closing),
              (std::vector<uint32_t>{0x00560078, 0, 2, 52, 0, 0, 0, 0, 0x00120034, 2, 0, 0, 0}));

    EXPECT_EQ(Words(MakeKeepAliveRecord()), (std::vector<uint32_t>{0, 0, 3, 32, 0, 0, 0, 0}));

    EXPECT_EQ(Words(MakePageGeometryRecord(0xABCD, 1000, 627)),
              (std::vector<uint32_t>{0, 0, 5, 52, 0, 0, 0, 0, 0xABCD, 1000, 627, 1000, 627}));
}

TEST(GameRecord, WordsOutsideTheRecordAreRefused) {
    GameRecord record = MakeKeepAliveRecord();
    EXPECT_THROW(record.SetWord(32, 1), std::out_of_range);  // 32 bytes: last word at 28
    EXPECT_THROW(record.SetWord(8, 1), std::out_of_range);   // the header is not payload
    EXPECT_THROW(GameRecord(3, 85), std::length_error);
    EXPECT_THROW(GameRecord(3, 15), std::length_error);
    record.SetWord(28, 0xFFFFFFFF);
    EXPECT_EQ(record.GetWord(28), 0xFFFFFFFFu);
}

TEST(GameRecord, TheCodeIsTheLittleEndianWordAtOffsetEightOfTwelveBytesOrMore) {
    uint8_t data[16] = {};
    data[8] = 8;
    uint32_t nCode = 0;
    EXPECT_TRUE(ReadRecordCode(data, 12, &nCode));
    EXPECT_EQ(nCode, static_cast<uint32_t>(GR_GAME_READY));
    EXPECT_FALSE(ReadRecordCode(data, 11, &nCode));
    EXPECT_FALSE(ReadRecordCode(nullptr, 16, &nCode));
    data[9] = 1;
    EXPECT_TRUE(ReadRecordCode(data, 16, &nCode));
    EXPECT_EQ(nCode, 0x108u);
}

}  // namespace
