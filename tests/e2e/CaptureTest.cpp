// The screen capture as a player uses it: the launcher beside the demo game, a
// known picture on the screen, the overlay opened by the screenshot command or the
// hotkey and driven with real mouse and keyboard input; the clipboard and the
// screen checked from outside.
#include <string>

#include "CaptureFixture.h"
#include "MessageBoxText.h"
#include "ProcessWindow.h"
#include "UserInput.h"

namespace {

class Capture : public CaptureFixture {
protected:
    // Brings the launcher to the front and presses Ctrl+Alt+A until the overlay
    // opens: the launcher takes the keys once it has heard that it is in front. Wine
    // now and then tells the switch to another thread only, so each try is a new one.
    HWND OpenByKeys() {
        for (int i = 0; i < 30; i++) {
            if (i > 0) BringToFront(m_pattern->Handle());
            BringToFront(m_hFrame);
            PressKeys({VK_CONTROL, VK_MENU, 'A'});
            if (PumpUntil([&] { return FindProcessWindow(m_launcher->Id(), "#32770"); }, 500)) {
                return WaitForOverlay();
            }
        }
        return nullptr;
    }

    // Asks again while the window is not in front: Wine gives the front to the desktop
    // when a window's focus-out of a switch just before arrives after the next switch.
    static bool BringToFront(HWND hWnd) {
        return PumpUntil(
            [&] { return ::SetForegroundWindow(hWnd) && ::GetForegroundWindow() == hWnd; });
    }
};

TEST_F(Capture, TheCommandCopiesTheFrozenSelectionNotWhatTheScreenShowsLaterClampedToIt) {
    const RECT screen = ScreenRect();
    const ScreenPicture frozen = ScreenPicture::FromScreen(screen);
    HWND hOverlay = OpenByCommand();
    ASSERT_NE(hOverlay, nullptr);
    EXPECT_TRUE(ClipboardHoldsMarker()) << "opening leaves the clipboard alone";

    ASSERT_TRUE(Select(hOverlay, {300, 250}, {600, 450}));
    // the frame lies one pixel outside the selection, whose corner is 4 pixels off the press
    EXPECT_TRUE(WaitForScreenPixel(303, 350, kFrameColour));
    EXPECT_TRUE(WaitForScreenPixel(450, 450, kFrameColour));

    // something else appears over the selection after the overlay opened
    PatternWindow later({320, 270, 500, 400}, 2);
    later.RaiseWithoutActivating();
    ASSERT_TRUE(WaitForScreenPixel(330, 280, PatternWindow::Colour(330, 280, 2)));

    DoubleClickAt(hOverlay, 550, 420);
    ScreenPicture copy = CopiedPicture(hOverlay);
    EXPECT_EQ(copy.FirstDifference(frozen.Crop({304, 254, 600, 450})), "");
    EXPECT_TRUE(m_launcher->Running());

    // a selection moved partly off the screen is copied clamped
    hOverlay = OpenByCommand();
    ASSERT_NE(hOverlay, nullptr);
    const int right = screen.right - 70, bottom = screen.bottom - 100;
    ASSERT_TRUE(Select(hOverlay, {right - 250, bottom - 150}, {right, bottom}));

    // move it by its middle to the right edge of the screen
    const int pressX = right - 240, moveBy = screen.right - 1 - pressX;
    MouseDrag({pressX, bottom - 60},
              {{pressX + moveBy / 2, bottom - 60}, {pressX + moveBy, bottom - 60}});
    const int newLeft = right - 246 + moveBy;
    ASSERT_TRUE(WaitForScreenPixel(newLeft - 1, bottom - 30, kFrameColour));

    DoubleClickAt(hOverlay, screen.right - 2, bottom - 60);
    copy = CopiedPicture(hOverlay);
    EXPECT_EQ(copy.FirstDifference(frozen.Crop({newLeft, bottom - 146, screen.right, bottom})), "");
}

bool TakeKeys() {
    return ::RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'A') != FALSE;
}

// The pattern window stands for another program: this test's.
TEST_F(Capture, TheHotkeyIsHeldOnlyWhileTheLauncherIsInFrontAndOpensTheCaptureThere) {
    const ScreenPicture frozen = ScreenPicture::FromScreen(ScreenRect());
    HWND hOverlay = OpenByKeys();
    ASSERT_NE(hOverlay, nullptr) << "in front: held";
    EXPECT_FALSE(TakeKeys());
    // closed as Esc closes it, without depending on which thread Wine gives the keys to
    ::PostMessageA(hOverlay, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(hOverlay); }));

    ASSERT_TRUE(BringToFront(m_pattern->Handle()));
    ASSERT_TRUE(PumpUntil(TakeKeys)) << "another program in front: free for it";
    // the launcher in front again finds the keys taken: it goes on without them, silently
    ASSERT_TRUE(BringToFront(m_hFrame));
    PressKeys({VK_CONTROL, VK_MENU, 'A'});
    MSG msg;
    EXPECT_TRUE(PumpUntil([&] {
        return ::PeekMessageA(&msg, nullptr, WM_HOTKEY, WM_HOTKEY, PM_REMOVE);
    })) << "the keys stay with the program that holds them";
    EXPECT_EQ(FindProcessWindow(m_launcher->Id(), "#32770"), nullptr);

    ASSERT_TRUE(BringToFront(m_pattern->Handle()));
    ::UnregisterHotKey(nullptr, 1);
    hOverlay = OpenByKeys();
    ASSERT_NE(hOverlay, nullptr) << "back in front: held again";

    // a selection drawn up and left is copied normalised: the fixed corner is 4 pixels
    // right of and below the press point
    ASSERT_TRUE(Select(hOverlay, {600, 450}, {300, 250}));
    DoubleClickAt(hOverlay, 450, 350);
    ScreenPicture copy = CopiedPicture(hOverlay);
    EXPECT_EQ(copy.FirstDifference(frozen.Crop({300, 250, 604, 454})), "");
    EXPECT_TRUE(m_launcher->Running());
}

TEST_F(Capture,
       RightClickAndEscClearASelectionEvenWhileDrawingAndCloseWithoutOneLeavingTheClipboardAlone) {
    HWND hOverlay = OpenByCommand();
    ASSERT_NE(hOverlay, nullptr);
    ASSERT_TRUE(Select(hOverlay, {300, 300}, {500, 450}));
    // a double-click on a handle does not finish the capture
    DoubleClickAt(hOverlay, 501, 451, kFrameColour);
    MouseRightClick(600, 600);
    ASSERT_TRUE(WaitForHelp(hOverlay, kNothingSelected)) << "the right click starts over";
    EXPECT_TRUE(::IsWindow(hOverlay));

    ASSERT_TRUE(Select(hOverlay, {300, 300}, {500, 450}));
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitForHelp(hOverlay, kNothingSelected)) << "Esc starts over";
    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hOverlay); })) << "Esc closes";
    EXPECT_TRUE(ClipboardHoldsMarker());

    // a right click while drawing leaves no hidden selection behind
    hOverlay = OpenByCommand();
    ASSERT_NE(hOverlay, nullptr);
    MouseLeftDown(300, 300);
    MouseMoveTo(400, 400);
    ASSERT_TRUE(WaitForHelp(hOverlay, kDrawing));
    MouseRightClick(400, 400);
    MouseMoveTo(500, 450);
    MouseLeftUp(500, 450);
    ASSERT_TRUE(WaitForHelp(hOverlay, kNothingSelected));
    // Where the rectangle would have gone: the press starts a new, tiny selection, and
    // the double-click lands on its handle; nothing hidden is copied.
    DoubleClickAt(hOverlay, 420, 420);
    ASSERT_TRUE(WaitForHelp(hOverlay, kAdjustable));
    EXPECT_TRUE(::IsWindow(hOverlay));
    EXPECT_TRUE(ClipboardHoldsMarker());
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitForHelp(hOverlay, kNothingSelected));
    MouseRightClick(600, 600);
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hOverlay); })) << "the right click closes";
    EXPECT_TRUE(ClipboardHoldsMarker());
    EXPECT_TRUE(m_launcher->Running());
}

TEST_F(Capture, TheInfoBoxReadsThePixelUnderThePointerAndJumpsAwayFromIt) {
    HWND hOverlay = OpenByCommand();
    ASSERT_NE(hOverlay, nullptr);
    HWND hBox = ::GetDlgItem(hOverlay, kInfoBoxId);
    auto boxLeft = [&] {
        RECT rc = {};
        ::GetWindowRect(hBox, &rc);
        return rc.left;
    };
    // the colour line follows the pointer, the label and the help text stay
    for (POINT p : {POINT{600, 500}, POINT{633, 530}, POINT{700, 301}}) {
        EXPECT_TRUE(PointAt(hOverlay, p.x, p.y, PatternWindow::Colour(p.x, p.y, 1)))
            << HelpText(hOverlay);
        EXPECT_NE(HelpText(hOverlay).find(Ansi(kNothingSelected)), std::string::npos);
    }
    const int right = ScreenRect().right - 180;
    ASSERT_EQ(boxLeft(), 10);
    MouseMoveTo(40, 40);
    EXPECT_TRUE(PumpUntil([&] { return boxLeft() == right; }));
    MouseMoveTo(right + 30, 40);
    EXPECT_TRUE(PumpUntil([&] { return boxLeft() == 10; }));
    // also while the tracker moves a selection and holds the mouse: the overlay tells the box
    ASSERT_TRUE(Select(hOverlay, {300, 300}, {500, 450}));
    MouseLeftDown(400, 400);
    MouseMoveTo(40, 40);
    EXPECT_TRUE(PumpUntil([&] { return boxLeft() == right; }));
    MouseLeftUp(40, 40);
}

// Ctrl+S and "保存" store the selection as a PNG in the game's pictures folder, whose
// name is in no code page: Korean, under a Chinese system.
TEST_F(Capture, ASaveOrCopyThatFailsIsToldAndKeepsTheSelectionAndWhatWasCopiedBefore) {
    const ScreenPicture frozen = ScreenPicture::FromScreen(ScreenRect());
    ScratchFolder scratch("skylark-pictures");
    const std::wstring pictures =
        std::wstring(scratch.Path().begin(), scratch.Path().end()) + L"\\\uC0AC\uC9C4";
    ASSERT_TRUE(::CreateDirectoryW(pictures.c_str(), nullptr));
    PicturesFolder redirect(pictures);
    const std::wstring folder = pictures + L"\\Orbavel";
    ::CloseHandle(::CreateFileW(folder.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    HWND hOverlay = OpenByCommand();
    ASSERT_NE(hOverlay, nullptr);
    PressKeys({VK_CONTROL, 'S'});  // without a selection: nothing
    ASSERT_TRUE(Select(hOverlay, {300, 250}, {600, 450}));
    PressKeys({VK_CONTROL, 'S'});
    HWND hBox = WaitForOwnedBox(hOverlay);
    ASSERT_NE(hBox, nullptr);
    // the path as the system has it, where a file stands in the folder's way
    EXPECT_NE(MessageBoxText(hBox).find(folder), std::wstring::npos);
    ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(hBox); }));
    EXPECT_TRUE(::IsWindow(hOverlay)) << "the overlay stays";

    ::DeleteFileW(folder.c_str());
    ASSERT_TRUE(ClickToolbarButton(hOverlay, "保存"));
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(hOverlay); }));
    EXPECT_TRUE(ClipboardHoldsMarker());
    // the pixels the double-click puts on the clipboard (the first test)
    EXPECT_EQ(SavedPicture(folder).FirstDifference(frozen.Crop({304, 254, 600, 450})), "");

    // Another program holds the clipboard (with a window of its own, as a clipboard
    // manager or a chat program does) for longer than the copy waits.
    ASSERT_TRUE(WaitForScreenPixel(303, 350, PatternWindow::Colour(303, 350, 1)));
    hOverlay = OpenByCommand();
    ASSERT_NE(hOverlay, nullptr);
    ASSERT_TRUE(Select(hOverlay, {300, 250}, {600, 450}));
    ASSERT_TRUE(::OpenClipboard(m_pattern->Handle()));
    DoubleClickAt(hOverlay, 550, 420);
    hBox = WaitForOwnedBox(hOverlay);
    ::CloseClipboard();
    ASSERT_NE(hBox, nullptr) << "the failure is told";
    EXPECT_NE(MessageBoxText(hBox).find(L"剪贴板"), std::wstring::npos);
    ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(hBox); }));
    EXPECT_TRUE(::IsWindow(hOverlay)) << "the overlay stays";
    EXPECT_TRUE(ClipboardHoldsMarker()) << "what was copied before is still there";

    // the selection too: Enter copies it once the clipboard is free
    PressKeys({VK_RETURN});
    ScreenPicture copy = CopiedPicture(hOverlay);
    EXPECT_EQ(copy.FirstDifference(frozen.Crop({304, 254, 600, 450})), "");
}

}  // namespace
