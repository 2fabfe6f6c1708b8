#include "ToolbarPlacement.h"

#include <gtest/gtest.h>

#include <ostream>

std::ostream& operator<<(std::ostream& os, const PixelRect& r);

namespace {

TEST(PlaceToolbar, GoesBelowElseAboveElseInsideAndStaysOnTheCornersMonitor) {
    // a primary monitor, a shorter one right of it, one left of and above it
    const ScreenLayout screen = {{-1024, -200, 2304, 1024},
                                 {{0, 0, 1280, 1024}, {1280, 0, 2304, 768}, {-1024, -200, 0, 568}}};
    const TrackSize size = {150, 30};
    struct Case {
        const char* what;
        PixelRect selection;
        PixelRect toolbar;
    } cases[] = {
        {"below", {100, 100, 400, 300}, {250, 306, 400, 336}},
        {"drawn up and left", {400, 300, 100, 100}, {250, 306, 400, 336}},
        {"just room below", {100, 100, 400, 988}, {250, 994, 400, 1024}},
        {"above", {100, 900, 400, 989}, {250, 864, 400, 894}},
        {"just room above", {100, 36, 400, 1000}, {250, 0, 400, 30}},
        {"inside", {100, 35, 400, 1000}, {244, 964, 394, 994}},
        {"at the left edge", {10, 100, 60, 200}, {0, 206, 150, 236}},
        {"at the right edge", {1200, 100, 1280, 200}, {1130, 206, 1280, 236}},
        {"across to a shorter monitor", {1000, 100, 1290, 750}, {1280, 64, 1430, 94}},
        {"on the shorter one's bottom edge", {1400, 700, 1600, 760}, {1450, 664, 1600, 694}},
        {"negative coordinates", {-500, 400, -100, 560}, {-250, 364, -100, 394}},
        {"inside, negative", {-700, -190, -20, 560}, {-176, 524, -26, 554}},
        {"corner on no monitor", {1100, 704, 1504, 900}, {1354, 668, 1504, 698}},
        {"moved off every monitor", {2400, 1100, 2600, 1200}, {2154, 738, 2304, 768}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlaceToolbar(c.selection, size, screen), c.toolbar) << c.what;
    }
}

}  // namespace
