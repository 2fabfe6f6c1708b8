#include <gtest/gtest.h>

#include <string>

#include "config/CTokenLine.h"

namespace {

std::string Token(const CTokenLine& line, int i) {
    return line.GetToken(i).str();
}

TEST(TokenLineTest, SeparatorsAreTheBytesUpToBlank) {
    // Every control byte and the blank separate; DEL and all bytes 0x80-0xFF (both bytes
    // of a double-byte character) belong to tokens.
    CTokenLine line("\001a\037b c\x7F\x80\xFF\td\r\n");
    ASSERT_EQ(line.GetCount(), 4);
    EXPECT_EQ(Token(line, 0), "a");
    EXPECT_EQ(Token(line, 1), "b");
    EXPECT_EQ(Token(line, 2), "c\x7F\x80\xFF");
    EXPECT_EQ(Token(line, 3), "d");
    EXPECT_EQ(line.GetLength(), 13);

    CTokenLine chinese("\xC2\xDB\xCC\xB3 \xCA\xD7\xD2\xB3\n");
    ASSERT_EQ(chinese.GetCount(), 2);
    EXPECT_EQ(Token(chinese, 1), "\xCA\xD7\xD2\xB3");

    CTokenLine blank(" \t\r\n\x1F");
    EXPECT_EQ(blank.GetCount(), 0);
    EXPECT_EQ(blank.GetLength(), 5);
    EXPECT_EQ(CTokenLine("").GetCount(), 0);
}

TEST(TokenLineTest, CaretStandsForABlankInsideAToken) {
    CTokenLine line("a^b ^ ^c^ d=e");
    ASSERT_EQ(line.GetCount(), 4);
    EXPECT_EQ(Token(line, 0), "a b");
    EXPECT_EQ(Token(line, 1), " ");
    EXPECT_EQ(Token(line, 2), " c ");
    // the line reader, not the tokeniser, turns "=" into a blank
    EXPECT_EQ(Token(line, 3), "d=e");
}

TEST(TokenLineTest, KeepsAtMost32Tokens) {
    std::string text;
    for (int i = 1; i <= 33; ++i) text += "t" + std::to_string(i) + " ";
    CTokenLine line(text.c_str());
    ASSERT_EQ(line.GetCount(), 32);
    EXPECT_EQ(Token(line, 0), "t1");
    EXPECT_EQ(Token(line, 31), "t32");
    EXPECT_EQ(Token(line, 32), "");
    EXPECT_EQ(line.GetTokenText(32), nullptr);
    EXPECT_EQ(Token(line, -1), "");

    // exactly 32 tokens, the last one running to the end of the line
    text.resize(text.rfind(" t33"));
    CTokenLine full(text.c_str());
    ASSERT_EQ(full.GetCount(), 32);
    EXPECT_EQ(Token(full, 31), "t32");
}

}  // namespace
