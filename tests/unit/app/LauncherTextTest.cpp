#include "LauncherText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(JoinWorkingPath, JoinsWithOneBackslashWhileThePathFits) {
    EXPECT_EQ(JoinWorkingPath("C:\\Games\\Orbavel", "Platform\\Config.ini"),
              "C:\\Games\\Orbavel\\Platform\\Config.ini");
    // a drive root keeps its own backslash: the name is joined as it is
    EXPECT_EQ(JoinWorkingPath("C:\\", "a.bmp"), "C:\\\\a.bmp");
}

TEST(JoinWorkingPath, A250ByteDirectoryTakesNamesOfUpTo8Bytes) {
    std::string dir = "C:\\" + std::string(247, 'd');
    ASSERT_EQ(dir.size(), 250u);
    EXPECT_EQ(JoinWorkingPath(dir.c_str(), "12345678").GetLength(), 259);
    EXPECT_TRUE(JoinWorkingPath(dir.c_str(), "123456789").IsEmpty());
}

TEST(FormatVersion, ShowsTheFourWordsInOrder) {
    EXPECT_EQ(FormatVersion(0x00010000, 0x00000006), "1.0.0.6");
    EXPECT_EQ(FormatVersion(0x0002000A, 0x0000001F), "2.10.0.31");
    EXPECT_EQ(FormatVersion(0xFFFFFFFF, 0xFFFF0000), "65535.65535.65535.0");
}

}  // namespace
