// The screen capture on two monitors side by side, the second one shorter: a nested
// display of two screens, which two-monitors.sh starts for this program alone.
#include <cstdlib>

#include "CaptureFixture.h"
#include "UserInput.h"

namespace {

class TwoMonitors : public CaptureFixture {
protected:
    void SetUp() override {
        if (const char* pszWhy = std::getenv("SKYLARK_NO_SECOND_MONITOR")) {
            GTEST_SKIP() << pszWhy;
        }
        ASSERT_EQ(::GetSystemMetrics(SM_CMONITORS), 2) << "the nested display's two monitors";
        CaptureFixture::SetUp();
    }
};

// A 1280 x 1024 primary monitor with a 1024 x 768 one right of it: below the second
// one lies a part of the virtual screen that no monitor shows.
TEST_F(TwoMonitors, TheOverlayCoversBothAndASelectionAcrossThemIsCopiedPixelForPixel) {
    const RECT screen = ScreenRect();
    ASSERT_EQ(screen.right, 2304);
    ASSERT_EQ(screen.bottom, 1024);
    ScreenPicture frozen = ScreenPicture::FromScreen(screen);
    HWND hOverlay = OpenByCommand();  // the whole virtual screen
    ASSERT_NE(hOverlay, nullptr);

    // the information box keeps to the monitor of the pointer
    HWND hBox = ::GetDlgItem(hOverlay, kInfoBoxId);
    ASSERT_TRUE(PointAt(hOverlay, 1700, 500, PatternWindow::Colour(1700, 500, 1)));
    RECT rcBox = {};
    EXPECT_TRUE(PumpUntil([&] {
        ::GetWindowRect(hBox, &rcBox);
        return rcBox.left == 1290 && rcBox.top == 10;
    })) << rcBox.left
        << "," << rcBox.top;

    // drawn up and left from the second monitor into the first
    ASSERT_TRUE(Select(hOverlay, {1500, 700}, {1100, 900}));
    ASSERT_TRUE(ClickToolbarButton(hOverlay, "完成"));
    ScreenPicture copy = CopiedPicture(hOverlay);
    const RECT selection = {1100, 704, 1504, 900};
    for (int y = 768; y < selection.bottom; y++) {
        for (int x = 1280; x < selection.right; x++) {
            frozen.pixels[static_cast<size_t>(y) * frozen.width + x] = 0;  // shown by no monitor
        }
    }
    EXPECT_EQ(copy.FirstDifference(frozen.Crop(selection)), "");
    EXPECT_TRUE(m_launcher->Running());
}

}  // namespace
