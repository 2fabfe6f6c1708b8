// The launcher shows the product version of its own file. This test program
// carries product version 2.10.0.31 (and another file version).
#include <gtest/gtest.h>

#include "PlatformApp.h"

TEST(ProductVersion, IsReadFromTheProgramsOwnVersionResource) {
    EXPECT_EQ(GetProductVersionText(), "2.10.0.31");
}
