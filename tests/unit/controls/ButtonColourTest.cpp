#include <gtest/gtest.h>

#include "ButtonColour.h"

namespace {

uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) {
    return r | g << 8 | b << 16;
}

TEST(ButtonColour, LighteningAddsTheSameAmountToEveryPartAndStopsAtWhite) {
    EXPECT_EQ(LightenColour(Rgb(240, 240, 240)), Rgb(255, 255, 255));
    EXPECT_EQ(LightenColour(Rgb(212, 208, 200)), Rgb(242, 238, 230));
    EXPECT_EQ(LightenColour(Rgb(10, 250, 100)), Rgb(15, 255, 105));  // the shade is kept
    EXPECT_EQ(LightenColour(Rgb(0, 0, 0)), Rgb(30, 30, 30));
    EXPECT_EQ(LightenColour(Rgb(255, 0, 0)), Rgb(255, 0, 0));
}

TEST(ButtonColour, GreyLevelsWeighTheColoursAndTruncate) {
    EXPECT_EQ(GreyLevel(255, 255, 255), 255);
    EXPECT_EQ(GreyLevel(255, 0, 0), 76);   // 76.245
    EXPECT_EQ(GreyLevel(0, 255, 0), 149);  // 149.685
    EXPECT_EQ(GreyLevel(0, 0, 255), 29);   // 29.07
}

}  // namespace
