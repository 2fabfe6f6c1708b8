#include "ScreenshotName.h"

#include <gtest/gtest.h>

namespace {

TEST(ScreenshotFileName, IsTheGamesNameAndTheTimeWithACountFromTheSecondFileOfASecond) {
    const ScreenshotTime t = {2026, 12, 8, 7, 41, 22};
    EXPECT_EQ(ScreenshotFileName(t, 1), "Orbavel 2026-12-08 07-41-22.png");
    EXPECT_EQ(ScreenshotFileName(t, 2), "Orbavel 2026-12-08 07-41-22 (2).png");
    EXPECT_EQ(ScreenshotFileName(t, 10), "Orbavel 2026-12-08 07-41-22 (10).png");
    EXPECT_EQ(ScreenshotFileName({1999, 1, 31, 23, 0, 5}, 0), "Orbavel 1999-01-31 23-00-05.png");
}

}  // namespace
