#include "GameViewPainter.h"

#include <gtest/gtest.h>

#include <cstdint>

// The scene is checked in a bitmap of our own: a view inside a window of
// another process is not drawn to the screen under Wine, so the screen
// cannot show it.
class PainterTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 300;

    void SetUp() override {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dc_ = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        pixels_ = static_cast<std::uint32_t*>(bits);
        previous_ = SelectObject(dc_, bitmap_);
        std::fill(pixels_, pixels_ + kWidth * kHeight, 0xFFFFFFu);
        RECT area{0, 0, kWidth, kHeight};
        GameViewPainter::paint(dc_, area);
        GdiFlush();
    }

    void TearDown() override {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }

    int brightness(int x, int y) const {
        std::uint32_t p = pixels_[y * kWidth + x];
        return static_cast<int>((p & 0xFF) + (p >> 8 & 0xFF) + (p >> 16 & 0xFF));
    }

    int brightPixelsInRows(int top, int bottom) const {
        int count = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = 0; x < kWidth / 2 + 60; ++x) count += brightness(x, y) > 500 ? 1 : 0;
        }
        return count;
    }

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
};

TEST_F(PainterTest, FillsTheWholeAreaWithADarkSky) {
    EXPECT_LT(brightness(1, 1), 150);
    EXPECT_LT(brightness(kWidth - 2, kHeight - 2), 150);
    EXPECT_LT(brightness(1, kHeight - 2), 150);
}

TEST_F(PainterTest, DrawsAPlanet) {
    std::uint32_t centre = pixels_[(kHeight / 3) * kWidth + kWidth * 3 / 4];
    EXPECT_EQ(centre & 0xFFFFFF, 0x245C78u);  // RGB(36, 92, 120) as 0xRRGGBB
}

TEST_F(PainterTest, WritesTheTitleAndTheSize) {
    // The title sits just above the middle, the size just below it.
    EXPECT_GT(brightPixelsInRows(kHeight / 2 - 40, kHeight / 2 + 10), 50);
    EXPECT_GT(brightPixelsInRows(kHeight / 2 + 12, kHeight / 2 + 45), 20);
}
