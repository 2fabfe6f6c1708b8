#include "CString.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CString, FormatGrowsPastAnyFixedBuffer) {
    std::string longText(5000, 'x');
    CString s;
    s.Format("%s-%d", longText.c_str(), 42);
    EXPECT_EQ(s.GetLength(), 5003);
    EXPECT_EQ(s.Mid(5000), "-42");
}

TEST(CString, SubstringsClampToTheText) {
    CString s("abc");
    EXPECT_EQ(s.Left(10), "abc");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Mid(1, 100), "bc");
    EXPECT_EQ(s.Mid(3), "");
    EXPECT_EQ(s.Mid(-2, 2), "ab");
    EXPECT_EQ(s.Find('c'), 2);
    EXPECT_EQ(s.Find('c', 3), -1);
    EXPECT_EQ(CString(nullptr), "");
}

TEST(CString, KeepsBytesAsTheyAre) {
    const char gbk[] = "\xBD\xF8\xD0\xD0\xD3\xCE\xCF\xB7";  // four GBK characters
    CString s(gbk);
    EXPECT_EQ(s.GetLength(), 8);
    EXPECT_EQ(std::string(s + "^"), std::string(gbk) + "^");
}

}  // namespace
