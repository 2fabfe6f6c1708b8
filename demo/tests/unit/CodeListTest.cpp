#include "CodeList.h"

#include <gtest/gtest.h>

TEST(CodeList, ReadsCommaSeparatedCodes) {
    CodeList list = CodeList::parse("3,9");
    EXPECT_EQ(list.size(), 2u);
    EXPECT_TRUE(list.contains(3));
    EXPECT_TRUE(list.contains(9));
    EXPECT_FALSE(list.contains(5));
}

TEST(CodeList, AllowsBlanksAroundCodes) {
    CodeList list = CodeList::parse(" 2 ,\t5 , 8");
    EXPECT_EQ(list.size(), 3u);
    EXPECT_TRUE(list.contains(2));
    EXPECT_TRUE(list.contains(5));
    EXPECT_TRUE(list.contains(8));
}

TEST(CodeList, SkipsWhatIsNoCode) {
    CodeList list = CodeList::parse("x,,-1,3a, 4 4,99999999999,7");
    EXPECT_EQ(list.size(), 1u);
    EXPECT_TRUE(list.contains(7));
}

TEST(CodeList, EmptyTextGivesAnEmptyList) {
    EXPECT_TRUE(CodeList::parse("").empty());
    EXPECT_TRUE(CodeList::parse(" , ").empty());
}

TEST(CodeList, TakesTheLargestCode) {
    EXPECT_TRUE(CodeList::parse("4294967295").contains(0xFFFFFFFFu));
    EXPECT_TRUE(CodeList::parse("4294967296").empty());
}
