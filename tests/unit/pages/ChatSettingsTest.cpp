#include "ChatSettings.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<uint32_t> Words(const GameRecord& record) {
    std::vector<uint32_t> words;
    for (size_t offset = 16; offset < record.cbSize; offset += 4) {
        words.push_back(record.GetWord(offset));
    }
    return words;
}

TEST(ChatSettings, TheRecordCarriesEveryFieldAtItsOffset) {
    EXPECT_EQ(sizeof(GameRecord), 84u);
    ChatSettings fresh;
    GameRecord record = MakeChatSettingsRecord(fresh);
    EXPECT_EQ(record.hwndSender, 0u);
    EXPECT_EQ(record.dwReserved, 0u);
    EXPECT_EQ(record.nCode, 9u);
    EXPECT_EQ(record.cbSize, 84u);
    std::vector<uint32_t> expected(17, 0);
    expected[7] = 0x00FFFFFF;  // offset 44: white
    EXPECT_EQ(Words(record), expected);

    ChatSettings set{1, 1, 1, 0x00123456, 1};
    expected = {0, 0, 0, 0, 1, 1, 1, 0x00123456, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Words(MakeChatSettingsRecord(set)), expected);
    ChatSettings blinkOnly;
    blinkOnly.bBlink = 1;
    expected = {0, 0, 0, 0, 0, 1, 0, 0x00FFFFFF, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Words(MakeChatSettingsRecord(blinkOnly)), expected);
}

}  // namespace
