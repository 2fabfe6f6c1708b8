#include "TabCaption.h"

#include <gtest/gtest.h>

namespace {

// budgets in pixels for a byte budget n: (n * 10) .. (n * 10 + 9)
int PixelsFor(int n) {
    return n * 10 + 5;
}

TEST(TabCaption, TheByteBudgetIsTenPixelsAByte) {
    EXPECT_EQ(CaptionByteBudget(65), 6);
    EXPECT_EQ(CaptionByteBudget(69), 6);
    EXPECT_EQ(CaptionByteBudget(70), 7);
    EXPECT_EQ(CaptionByteBudget(-55), -5);
}

TEST(TabCaption, ACaptionThatFitsIsDrawnWholeAndALongerOneShortened) {
    EXPECT_EQ(FitCaption("abcdefgh", PixelsFor(8)), "abcdefgh");
    EXPECT_EQ(FitCaption("abcdefghi", PixelsFor(8)), "abcde...");
    EXPECT_EQ(FitCaption("", PixelsFor(8)), "");
}

TEST(TabCaption, ABudgetOfThreeBytesOrFewerShowsNothing) {
    EXPECT_EQ(FitCaption("ab", PixelsFor(3)), "");
    EXPECT_EQ(FitCaption("ab", 0), "");
    EXPECT_EQ(FitCaption("ab", -55), "");
    EXPECT_EQ(FitCaption("abcde", PixelsFor(4)), "a...");
}

TEST(TabCaption, DoubleByteCharactersAreNeverCut) {
    // "进行游戏" in 65 pixels (6 bytes): two characters and "..."
    EXPECT_EQ(FitCaption("\xBD\xF8\xD0\xD0\xD3\xCE\xCF\xB7", 65), "\xBD\xF8\xD0\xD0...");
    // a character that starts at n - 4 is kept whole: n - 2 bytes
    EXPECT_EQ(FitCaption("a\xD3\xCE\xCF\xB7\xCF\xB7", PixelsFor(5)), "a\xD3\xCE...");
    EXPECT_EQ(FitCaption("ab\xD3\xCE\xCF\xB7", PixelsFor(5)), "ab...");
}

TEST(TabCaption, ALeadByteKeepsATrailByteBelow0x80) {
    // "丂" is 0x81 0x40: its trail byte is an ASCII '@'
    EXPECT_EQ(FitCaption("\x81\x40\x81\x40\x81\x40\x81\x40", 65), "\x81\x40\x81\x40...");
    EXPECT_EQ(FitCaption("a\x81\x40\x81\x40\x81\x40", 65), "a\x81\x40...");
    // 0x80 and 0xFF lead nothing in code page 936
    EXPECT_EQ(FitCaption("\x80\x80\x80\x80\x80\x80\x80", 65), "\x80\x80\x80...");
}

}  // namespace
