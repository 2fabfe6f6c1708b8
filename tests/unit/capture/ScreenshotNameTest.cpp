#include "ScreenshotName.h"

#include <gtest/gtest.h>

namespace {

TEST(ScreenshotFileName, IsTheGamesNameAndTheTimeWithACountFromTheSecondFileOfASecond) {
    const ScreenshotTime t = {2026, 12, 8, 7, 41, 22};
    EXPECT_EQ(ScreenshotFileName(t, 1), "Orbavel 2026-12-08 07-41-22.png");
    EXPECT_EQ(ScreenshotFileName(t, 2), "Orbavel 2026-12-08 07-41-22 (2).png");
    EXPECT_EQ(ScreenshotFileName(t, 10), "Orbavel 2026-12-08 07-41-22 (10).png");
}

}  // namespace
