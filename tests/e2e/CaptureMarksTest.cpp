// Marks drawn over the capture with the toolbar's tools, as a player draws them with
// the mouse: what the clipboard and the saved file get, and undo.
#include <algorithm>

#include "CaptureFixture.h"
#include "UserInput.h"

namespace {

const uint32_t kRed = 0xFF0000, kYellow = 0xFFFF00;
const int kStyleRowId = 1046;
const RECT kSelection = {304, 254, 600, 450};  // drawn from (300, 250) to (600, 450)

BOOL CALLBACK TakeStyleRow(HWND hWnd, LPARAM lParam) {
    if (::GetDlgCtrlID(hWnd) != kStyleRowId || !::IsWindowVisible(hWnd)) return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

// clicks cell i of the row of colours and widths once it shows
bool ClickStyle(HWND hOverlay, int i) {
    HWND hRow = nullptr;
    if (!PumpUntil([&] {
            ::EnumChildWindows(hOverlay, &TakeStyleRow, reinterpret_cast<LPARAM>(&hRow));
            return hRow != nullptr;
        })) {
        return false;
    }
    RECT rc;
    ::GetWindowRect(hRow, &rc);
    const int nCell = rc.bottom - rc.top;
    MouseLeftDown(rc.left + i * nCell + nCell / 2, rc.top + nCell / 2);
    MouseLeftUp(rc.left + i * nCell + nCell / 2, rc.top + nCell / 2);
    return true;
}

// what the overlay shows inside the selection, clear of the tracker's handles
ScreenPicture InsideHandles(const ScreenPicture& selection) {
    return selection.Crop({4, 4, selection.width - 4, selection.height - 4});
}

class CaptureMarks : public CaptureFixture {
protected:
    uint32_t Frozen(int x, int y) const { return PatternWindow::Colour(x, y, 1); }
};

TEST_F(CaptureMarks, ARedRectangleIsCopiedAsShownAndUndoAndEscLeaveTheFrozenPictureExactly) {
    const ScreenPicture frozen = ScreenPicture::FromScreen(ScreenRect());
    HWND hOverlay = OpenByCommand();
    ASSERT_NE(hOverlay, nullptr);
    ASSERT_TRUE(Select(hOverlay, {300, 250}, {600, 450}));
    ASSERT_TRUE(ClickToolbarButton(hOverlay, "矩形"));
    // out across the selection's right edge, which cuts the outline's right side off
    MouseDrag({350, 300}, {{500, 400}, {650, 420}});
    ASSERT_TRUE(WaitForScreenPixel(450, 419, kRed));
    const ScreenPicture shown = ScreenPicture::FromScreen(kSelection);
    PressKeys({VK_CONTROL, 'C'});
    const ScreenPicture copy = CopiedPicture(hOverlay);
    ScreenPicture expected = frozen.Crop(kSelection);
    for (int y = 300; y < 420; y++) {
        for (int x = 350; x < 600; x++) {
            if (y < 302 || y >= 418 || x < 352) {
                expected.pixels[(y - kSelection.top) * expected.width + x - kSelection.left] = kRed;
            }
        }
    }
    EXPECT_EQ(copy.FirstDifference(expected), "");
    EXPECT_EQ(InsideHandles(copy).FirstDifference(InsideHandles(shown)), "");

    // Marks taken off by "撤销", Ctrl+Z and Esc leave nothing behind, on the screen or
    // in the copy. Yellow (the second colour) and 6 pixels wide (the third width).
    ASSERT_TRUE(WaitForScreenPixel(450, 419, Frozen(450, 419)));
    hOverlay = OpenByCommand();
    ASSERT_NE(hOverlay, nullptr);
    ASSERT_TRUE(Select(hOverlay, {300, 250}, {600, 450}));
    ASSERT_TRUE(ClickToolbarButton(hOverlay, "箭头"));
    ASSERT_TRUE(ClickStyle(hOverlay, 1));
    ASSERT_TRUE(ClickStyle(hOverlay, 8));
    MouseDrag({350, 300}, {{400, 340}, {450, 380}});
    EXPECT_TRUE(WaitForScreenPixel(390, 332, kYellow));
    ASSERT_TRUE(ClickToolbarButton(hOverlay, "画笔"));
    MouseLeftDown(320, 430);
    MouseMoveTo(360, 400);  // seen before the next: the system merges moves not yet read
    EXPECT_TRUE(WaitForScreenPixel(360, 400, kYellow));
    MouseLeftUp(400, 430);
    ASSERT_TRUE(ClickToolbarButton(hOverlay, "撤销"));
    EXPECT_TRUE(WaitForScreenPixel(360, 400, Frozen(360, 400)));
    PressKeys({VK_CONTROL, 'Z'});
    EXPECT_TRUE(WaitForScreenPixel(390, 332, Frozen(390, 332)));
    HWND hUndo = ToolbarButton(hOverlay, "撤销");
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindowEnabled(hUndo); })) << "nothing to undo";

    MouseDrag({330, 280}, {{360, 300}});
    EXPECT_TRUE(WaitForScreenPixel(360, 300, kYellow));
    PressKeys({VK_ESCAPE});  // the marks go, the selection stays
    EXPECT_TRUE(WaitForScreenPixel(360, 300, Frozen(360, 300)));
    EXPECT_TRUE(WaitForScreenPixel(303, 350, kFrameColour));
    const ScreenPicture shownAfter = ScreenPicture::FromScreen(kSelection);
    PressKeys({VK_CONTROL, 'C'});
    const ScreenPicture copyAfter = CopiedPicture(hOverlay);
    EXPECT_EQ(copyAfter.FirstDifference(frozen.Crop(kSelection)), "");
    EXPECT_EQ(InsideHandles(copyAfter).FirstDifference(InsideHandles(shownAfter)), "");
}

TEST_F(CaptureMarks, AMosaicSavedWithCtrlSIsBlocksOfTheFrozenPicturesMeans) {
    const ScreenPicture frozen = ScreenPicture::FromScreen(ScreenRect());
    // blocks from (404, 300), the last ones cut by the selection's right and bottom edges
    ScreenPicture expected = frozen.Crop(kSelection);
    for (int top = 300; top < kSelection.bottom; top += 8) {
        for (int left = 404; left < kSelection.right; left += 8) {
            const int right = std::min<int>(left + 8, kSelection.right);
            const int bottom = std::min<int>(top + 8, kSelection.bottom);
            uint32_t sum[3] = {}, mean = 0, n = (right - left) * (bottom - top);
            for (int y = top; y < bottom; y++) {
                for (int x = left; x < right; x++) {
                    for (int c = 0; c < 3; c++) sum[c] += frozen.At(x, y) >> (16 - 8 * c) & 0xFF;
                }
            }
            for (int c = 0; c < 3; c++) mean |= (sum[c] + n / 2) / n << (16 - 8 * c);
            for (int y = top; y < bottom; y++) {
                for (int x = left; x < right; x++) {
                    expected.pixels[(y - kSelection.top) * expected.width + x - kSelection.left] =
                        mean;
                }
            }
        }
    }
    ScratchFolder scratch("skylark-pictures");
    const std::wstring pictures(scratch.Path().begin(), scratch.Path().end());
    PicturesFolder redirect(pictures);
    HWND hOverlay = OpenByCommand();
    ASSERT_NE(hOverlay, nullptr);
    ASSERT_TRUE(Select(hOverlay, {300, 250}, {600, 450}));
    ASSERT_TRUE(ClickToolbarButton(hOverlay, "马赛克"));
    MouseDrag({404, 300}, {{500, 400}, {650, 500}});
    ASSERT_TRUE(WaitForScreenPixel(590, 449, expected.At(286, 195)));
    PressKeys({VK_CONTROL, 'S'});
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(hOverlay); }));
    EXPECT_EQ(SavedPicture(pictures + L"\\Orbavel").FirstDifference(expected), "");
}

}  // namespace
