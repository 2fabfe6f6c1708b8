// A program without a version resource shows version 0.
#include <gtest/gtest.h>

#include "PlatformApp.h"

TEST(ProductVersion, IsZeroWithoutAVersionResource) {
    EXPECT_EQ(GetProductVersionText(), "0");
}
