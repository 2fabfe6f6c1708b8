#include "ForumAddress.h"

#include <gtest/gtest.h>

namespace {

TEST(ForumAddress, EveryByteButTheUnreservedIsPercentEncoded) {
    EXPECT_EQ(PercentEncode("Orbavel"), "Orbavel");
    EXPECT_EQ(PercentEncode("a-z_0.9~"), "a-z_0.9~");
    EXPECT_EQ(PercentEncode("a b&c=d/%"), "a%20b%26c%3Dd%2F%25");
    // GBK "奥" and a trail byte below 0x80
    EXPECT_EQ(PercentEncode("\xB0\xC2\x81\x40"), "%B0%C2%81%40");
    EXPECT_EQ(PercentEncode(""), "");
}

TEST(ForumAddress, TheNameIsTheQueryOfTheForumPath) {
    const CString address = MakeForumAddress("\xB0\xC2 x");
    ASSERT_GE(address.Find('?'), 2);
    EXPECT_EQ(address.Mid(address.Find('?') - 2), "/f?kw=%B0%C2%20x");
    EXPECT_EQ(address.Left(8), "https://");
}

}  // namespace
