#include "JsonLine.h"

#include <gtest/gtest.h>

TEST(JsonLine, JoinsFieldsInOrder) {
    EXPECT_EQ(JsonLine().text("event", "x").number("n", -2).null("c").str(),
              "{\"event\":\"x\",\"n\":-2,\"c\":null}");
}

TEST(JsonLine, WritesWordLists) {
    EXPECT_EQ(JsonLine().words("words", {}).str(), "{\"words\":[]}");
    EXPECT_EQ(JsonLine().words("words", {0, 8, 4294967295u}).str(), "{\"words\":[0,8,4294967295]}");
}

TEST(JsonLine, EscapesQuotesBackslashesAndControls) {
    EXPECT_EQ(JsonLine::escape("\"C:\\a b\""), "\\\"C:\\\\a b\\\"");
    EXPECT_EQ(JsonLine::escape("a\tb\nc\r\x01\x1f"), "a\\tb\\nc\\r\\u0001\\u001f");
}

TEST(JsonLine, LeavesUtf8AsItIs) {
    EXPECT_EQ(JsonLine::escape(u8"中文 参数"), u8"中文 参数");
}

TEST(JsonLine, TakesTheWholeRangeOfNumbers) {
    EXPECT_EQ(JsonLine().number("a", 4294967295LL).number("b", -2147483648LL).str(),
              "{\"a\":4294967295,\"b\":-2147483648}");
}
