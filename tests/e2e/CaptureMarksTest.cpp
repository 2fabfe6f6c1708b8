// Marks drawn over the capture with the toolbar's tools, as a player draws them with
// the mouse: what the clipboard and the saved file get, and undo.
#include <vector>

#include "CaptureFixture.h"
#include "Mark.h"
#include "UserInput.h"

namespace {

const uint32_t kRed = 0xFF0000, kYellow = 0xFFFF00;
const int kStyleRowId = 1046;
const RECT kSelection = {304, 254, 600, 450};  // drawn from (300, 250) to (600, 450)
const RECT kInside = {4, 4, 292, 192};         // of the selection, clear of its handles

// clicks cell i of the row of colours and widths, in the toolbar, once it shows
bool ClickStyle(HWND hToolbar, int i) {
    HWND hRow = ::GetDlgItem(hToolbar, kStyleRowId);
    RECT rc;
    if (!PumpUntil([&] { return ::IsWindowVisible(hRow) && ::GetWindowRect(hRow, &rc); })) {
        return false;
    }
    const int nCell = rc.bottom - rc.top, x = rc.left + i * nCell + nCell / 2;
    MouseLeftDown(x, rc.top + nCell / 2);
    MouseLeftUp(x, rc.top + nCell / 2);
    return true;
}

// a rectangle (screen coordinates) of a picture of the selection in one colour
void Fill(ScreenPicture& selection, const RECT& r, uint32_t colour) {
    for (int y = r.top; y < r.bottom; y++) {
        for (int x = r.left; x < r.right; x++) {
            selection.pixels[(y - kSelection.top) * selection.width + x - kSelection.left] = colour;
        }
    }
}

using CaptureMarks = CaptureFixture;

TEST_F(CaptureMarks, AreCopiedAndSavedAsShownAndUndoAndEscLeaveTheFrozenPictureExactly) {
    const ScreenPicture frozen = ScreenPicture::FromScreen(ScreenRect());
    HWND hOverlay = OpenByCommand();
    ASSERT_NE(hOverlay, nullptr);
    ASSERT_TRUE(Select(hOverlay, {300, 250}, {600, 450}));
    ASSERT_TRUE(ClickToolbarButton(hOverlay, "矩形"));
    // out across the selection's right edge, which cuts the outline's right side off
    MouseDrag({350, 300}, {{500, 400}, {650, 420}});
    ASSERT_TRUE(WaitForScreenPixel(450, 419, kRed));
    // a second rectangle begun at once where a click just was: drawn, not a copy
    MouseLeftDown(320, 270);
    MouseLeftUp(320, 270);
    MouseDrag({320, 270}, {{340, 290}});
    ASSERT_TRUE(WaitForScreenPixel(330, 289, kRed));
    const ScreenPicture shown = ScreenPicture::FromScreen(kSelection);
    PressKeys({VK_CONTROL, 'C'});
    const ScreenPicture copy = CopiedPicture(hOverlay);
    ScreenPicture expected = frozen.Crop(kSelection);
    for (const RECT& band : {RECT{350, 300, 600, 302},
                             {350, 418, 600, 420},
                             {350, 300, 352, 420},
                             {320, 270, 340, 272},
                             {320, 288, 340, 290},
                             {320, 270, 322, 290},
                             {338, 270, 340, 290}}) {
        Fill(expected, band, kRed);
    }
    EXPECT_EQ(copy.FirstDifference(expected), "");
    EXPECT_EQ(copy.Crop(kInside).FirstDifference(shown.Crop(kInside)), "");

    // Marks taken off by "撤销", Ctrl+Z and Esc leave nothing behind, on the screen or
    // in the copy. Yellow (the second colour) and 6 pixels wide (the third width).
    ASSERT_TRUE(WaitForScreenPixel(450, 419, PatternWindow::Colour(450, 419, 1)));
    hOverlay = OpenByCommand();
    ASSERT_NE(hOverlay, nullptr);
    ASSERT_TRUE(Select(hOverlay, {300, 250}, {600, 450}));
    ASSERT_TRUE(ClickToolbarButton(hOverlay, "箭头"));
    HWND hUndo = ToolbarButton(hOverlay, "撤销");
    ASSERT_TRUE(ClickStyle(::GetParent(hUndo), 1));
    ASSERT_TRUE(ClickStyle(::GetParent(hUndo), 8));
    MouseDrag({350, 300}, {{400, 340}, {450, 380}});
    EXPECT_TRUE(WaitForScreenPixel(390, 332, kYellow));
    ASSERT_TRUE(ClickToolbarButton(hOverlay, "画笔"));
    MouseLeftDown(320, 430);
    MouseMoveTo(360, 400);  // seen before the next: the system merges moves not yet read
    EXPECT_TRUE(WaitForScreenPixel(360, 400, kYellow));
    MouseLeftUp(400, 430);
    ASSERT_TRUE(ClickToolbarButton(hOverlay, "撤销"));
    EXPECT_TRUE(WaitForScreenPixel(360, 400, PatternWindow::Colour(360, 400, 1)));
    PressKeys({VK_CONTROL, 'Z'});
    EXPECT_TRUE(WaitForScreenPixel(390, 332, PatternWindow::Colour(390, 332, 1)));
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindowEnabled(hUndo); })) << "nothing to undo";

    MouseDrag({330, 280}, {{360, 300}});
    EXPECT_TRUE(WaitForScreenPixel(360, 300, kYellow));
    PressKeys({VK_ESCAPE});  // the marks go, the selection stays
    EXPECT_TRUE(WaitForScreenPixel(360, 300, PatternWindow::Colour(360, 300, 1)));
    EXPECT_TRUE(WaitForScreenPixel(303, 350, kFrameColour));
    PressKeys({VK_CONTROL, 'C'});
    EXPECT_EQ(CopiedPicture(hOverlay).FirstDifference(frozen.Crop(kSelection)), "");

    // A mosaic saved with Ctrl+S: blocks from (404, 300) of the frozen picture's means,
    // the last ones cut by the selection's right and bottom edges.
    const PixelRect mosaic = {404, 300, kSelection.right, kSelection.bottom};
    const std::vector<uint32_t> blocks =
        MosaicPixels({frozen.pixels.data(), frozen.width, frozen.height}, mosaic, {404, 300});
    ScreenPicture mosaicked = frozen.Crop(kSelection);
    for (int y = mosaic.top; y < mosaic.bottom; y++) {
        for (int x = mosaic.left; x < mosaic.right; x++) {
            mosaicked.pixels[(y - kSelection.top) * mosaicked.width + x - kSelection.left] =
                blocks[(y - mosaic.top) * mosaic.Width() + x - mosaic.left];
        }
    }
    ScratchFolder scratch("skylark-pictures");
    const std::wstring pictures(scratch.Path().begin(), scratch.Path().end());
    PicturesFolder redirect(pictures);
    ASSERT_TRUE(WaitForScreenPixel(303, 350, PatternWindow::Colour(303, 350, 1)));
    hOverlay = OpenByCommand();
    ASSERT_NE(hOverlay, nullptr);
    ASSERT_TRUE(Select(hOverlay, {300, 250}, {600, 450}));
    ASSERT_TRUE(ClickToolbarButton(hOverlay, "马赛克"));
    MouseDrag({404, 300}, {{500, 400}, {650, 500}});
    ASSERT_TRUE(WaitForScreenPixel(590, 449, mosaicked.At(286, 195)));
    PressKeys({VK_CONTROL, 'S'});
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(hOverlay); }));
    EXPECT_EQ(SavedPicture(pictures + L"\\Orbavel").FirstDifference(mosaicked), "");
}

}  // namespace
